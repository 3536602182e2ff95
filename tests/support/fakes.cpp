#include "fakes.h"

#include <QTemporaryDir>

namespace lullara::test {

QString testSettingsFile()
{
    static QTemporaryDir folder;
    return folder.filePath(QStringLiteral("Lullara.conf"));
}

} // namespace lullara::test
