#include "ui/app/style_cache.h"

#include <QPixmapCache>

namespace ui {

void TurnOffStyleCache() {
    QPixmapCache::setCacheLimit(0);
}

} // namespace ui
