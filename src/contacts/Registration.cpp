#include "contacts/Registration.h"

#include "contacts/book/ContactTables.h"
#include "contacts/window/TAdresy.h"
#include "contacts/window/TForm15.h"
#include "contacts/window/TForm18.h"
#include "core/app/context/AppContext.h"
#include "core/app/context/ScreenPicture.h"
#include "core/data/platform/PlatformServices.h"

#include <memory>

void registerContacts(AppContext &context)
{
    // The holders live as long as the windows registered with them.
    auto phoneBook = std::make_shared<TDataModule14>();
    auto areaCodes = std::make_shared<TDataModule19>();
    context.registerWindow(
        WindowId::PhoneBook,
        [&context, phoneBook](const WindowOrders &, QWidget *parent) -> std::unique_ptr<QDialog> {
            if (!context.prompter)
                return nullptr;
            return std::make_unique<TForm15>(phoneBook->table(), *context.prompter, PlatformServices::current(), parent);
        },
        ScreenPicture::Tel);
    context.registerWindow(
        WindowId::AreaCodes,
        [&context, areaCodes](const WindowOrders &, QWidget *parent) -> std::unique_ptr<QDialog> {
            if (!context.prompter)
                return nullptr;
            return std::make_unique<TForm18>(areaCodes->table(), *context.prompter, parent);
        },
        ScreenPicture::Tel);
    context.registerWindow(
        WindowId::Addresses,
        [&context](const WindowOrders &, QWidget *parent) -> std::unique_ptr<QDialog> {
            if (!context.prompter)
                return nullptr;
            return std::make_unique<TAdresy>(*context.prompter, parent);
        },
        ScreenPicture::Adr);
}
