#include "kolvira-db/TakvimFile.h"
#include "kolvira-db/ToolError.h"

#include <cstdint>

// Any bytes as a printed takvim, and as the table kept in the sources: read,
// or refused with ToolError.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QByteArray kept;
    try {
        kept = TakvimFile::fromPrinted(bytes, QStringLiteral("takvim"));
        TakvimFile::parse(bytes, QStringLiteral("takvim"));
    } catch (const ToolError &) {
    }
    if (!kept.isEmpty()) // what the tool writes it reads back, or ToolError escapes: a crash
        TakvimFile::parse(kept, QStringLiteral("kept"));
    return 0;
}
