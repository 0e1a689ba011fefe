#include "core/app/commands/ScreenPicture.h"

#include "core/app/AppContext.h"
#include "core/app/dialogs/TForm45.h"

#include <QDialog>

bool showPictureThenWindow(ScreenPicture picture, WindowId id, QWidget *parent)
{
    const AppContext &context = AppContext::instance();
    if (!context.hasWindow(id))
        return false;
    PictureScreen(picture);
    if (std::unique_ptr<QDialog> window = context.createWindow(id, parent))
        window->exec();
    return true;
}
