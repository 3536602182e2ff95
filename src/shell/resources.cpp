#include "shell/resources.h"

#include <QtGlobal>

static void registerLullaraResources() { Q_INIT_RESOURCE(lullara); }

namespace lullara {

void initResources()
{
    // The pictures are compiled into a static library, which Qt only finds
    // once they are registered; once is enough.
    static const bool done = [] {
        registerLullaraResources();
        return true;
    }();
    Q_UNUSED(done);
}

} // namespace lullara
