#include "ClReceiveDataCommand.h"

#include <QImage>

#include "ClEnvelope.h"
#include "ClPacketReader.h"
#include "ClResultCode.h"

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
        // Qt's reader refuses a picture whose header claims more pixels than its
        // allocation limit, so a lying header costs no memory.
        const QImage clImage = QImage::fromData(clData);
        if (clImage.isNull())
            return ClResultCode::usDataMismatch;
        clReply.insert(strKey, clImage);
        break;
    }
    }
    return ClResultCode::usSuccess;
}
