#include "platform/QtPlatform.h"
#include "settings/Base.h"
#include "settings/window/frmCfg.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    platform::QtPlatform platform;
    Base base;
    frmCfg settings(base, platform);
    settings.show();
    return app.exec();
}
