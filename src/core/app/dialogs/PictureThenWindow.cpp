#include "core/app/dialogs/TForm45.h"

#include "core/app/context/AppContext.h"

#include <QDialog>

bool showPictureThenWindow(const AppContext &context, WindowId id, QWidget *parent,
                           const std::function<void(ScreenPicture)> &showPicture)
{
    if (!context.hasWindow(id))
        return false;
    if (const std::optional<ScreenPicture> picture = context.pictureBefore(id); picture && showPicture)
        showPicture(*picture);
    if (std::unique_ptr<QDialog> window = context.createWindow(id, parent))
        window->exec();
    return true;
}
