#include "ui/app/resources.h"

#include <QtCore/qglobal.h>

static void InitAssets() {
    Q_INIT_RESOURCE(assets);
}

namespace ui {
void InitResources() {
    InitAssets();
}
} // namespace ui
