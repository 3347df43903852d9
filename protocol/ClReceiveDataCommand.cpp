#include "ClReceiveDataCommand.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>

#include "ClEnvelope.h"
#include "ClPacketReader.h"
#include "ClResultCode.h"

namespace {
// Far above any picture a camera of this family sends (1920 x 1080).
constexpr int lMaxPictureSide = 8192;
}  // namespace

ClReceiveDataCommand::ClReceiveDataCommand(quint16 usCode_, ClBlockValue eValue_)
    : ClTovuCommand(usCode_), eValue(eValue_)
{}

void ClReceiveDataCommand::setReceivedData(const QByteArray& clData_)
{
    clData = clData_;
}

quint16 ClReceiveDataCommand::writeReply(PV_CMD& clReply) const
{
    const QString strKey = ClEnvelope::keyParam(2);
    switch (eValue) {
    case ClBlockValue::Bytes:
        clReply.insert(strKey, clData);
        break;
    case ClBlockValue::Text:
        clReply.insert(strKey, QString::fromLatin1(ClPacketReader::untilZero(clData)));
        break;
    case ClBlockValue::Image: {
        // A JPEG cut short still decodes, grey where its end is missing; without its
        // end-of-image marker it is not the camera's picture.
        const bool bJpeg = clData.startsWith("\xFF\xD8");
        if (bJpeg && clData.lastIndexOf("\xFF\xD9") < 2)
            return ClResultCode::usDataMismatch;
        // The header's size is checked before any pixel is decoded: a lying header must
        // not cost memory, whatever allocation limit the application has set.
        QByteArray clBytes = clData;
        QBuffer clBuffer(&clBytes);
        clBuffer.open(QIODevice::ReadOnly);
        QImageReader clReader(&clBuffer);
        const QSize clSize = clReader.size();
        if (!clSize.isValid() || clSize.width() > lMaxPictureSide || clSize.height() > lMaxPictureSide)
            return ClResultCode::usDataMismatch;
        const QImage clImage = clReader.read();
        if (clImage.isNull())
            return ClResultCode::usDataMismatch;
        clReply.insert(strKey, clImage);
        break;
    }
    }
    return ClResultCode::usSuccess;
}
