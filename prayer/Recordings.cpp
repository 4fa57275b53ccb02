#include "prayer/Recordings.h"

#include "data/DataFiles.h"

namespace Recordings {

QString dawn()
{
    return DataFiles::recordingPath(QString::fromUtf8(dawnFileName));
}

QString daily()
{
    return DataFiles::recordingPath(QString::fromUtf8(dailyFileName));
}

} // namespace Recordings
