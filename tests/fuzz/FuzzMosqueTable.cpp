#include "prayer/MosqueTable.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

// Any bytes as a mosque's table: days in the calendar's order, each with its
// times in the day's order, or a refusal of a few lines.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    try {
        const QList<MosqueTable::Day> days =
            MosqueTable::parse(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
        for (qsizetype i = 0; i < days.size(); ++i)
            if ((i > 0 && days[i - 1].date >= days[i].date) ||
                !std::is_sorted(days[i].times.cbegin(), days[i].times.cend()))
                std::abort();
        if (MosqueTable::missingNote(days).size() > 400)
            std::abort();
    } catch (const MosqueTable::ReadError &refusal) {
        if (refusal.message().size() > 200)
            std::abort();
    }
    return 0;
}
