#include "platform/QtPlatform.h"
#include "settings/Base.h"
#include "stand/frmStend.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    platform::QtPlatform platform;
    Base base;
    SetDefaults(base, std::nullopt);
    frmStend stand(base, platform);
    stand.move(stand.screen()->availableGeometry().center() - stand.rect().center());
    stand.show();
    return app.exec();
}
