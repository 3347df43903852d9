#include "ClCliManual.h"

#include "ClCliOptions.h"
#include "settings/ClSettingTable.h"

namespace {
// Roff: a backslash is doubled, a dash is a minus, and a line that starts with a dot or an
// apostrophe would be a request.
QString escaped(QString strText)
{
    strText.replace(QLatin1Char('\\'), QStringLiteral("\\e"));
    strText.replace(QLatin1Char('-'), QStringLiteral("\\-"));
    if (strText.startsWith(QLatin1Char('.')) || strText.startsWith(QLatin1Char('\'')))
        strText.prepend(QStringLiteral("\\&"));
    return strText;
}

const char* const pszHead = R"(.SH NAME
tovu\-settings \- read and write the settings of Tovu cameras from the command line
.SH SYNOPSIS
.B tovu\-settings
.B \-\-list
.RB [ \-\-json ]
.br
.B tovu\-settings
.B \-\-get
.RI [ NAME ...]
.RB [ \-\-json ]
.RB [ \-\-show\-secrets ]
.RB [ \-\-camera
.IR SERIAL ]
.br
.B tovu\-settings
.B \-\-set
.IR NAME = VALUE ...
.RB [ \-\-camera
.IR SERIAL ]
.br
.B tovu\-settings
.B \-\-save\-profile
.I FILE
.RB [ \-\-include\-secrets ]
.RB [ \-\-camera
.IR SERIAL ]
.br
.B tovu\-settings
.B \-\-apply\-profile
.I FILE
.RB [ \-\-dry\-run ]
.RB [ \-\-all " | " \-\-camera
.IR SERIAL ]
.SH DESCRIPTION
.B tovu\-settings
reads and changes the settings of Tovu and Tovu\-S cameras connected by USB, without a
window and without a display.
Results go to standard output, messages to standard error.
A setting the camera's model or firmware lacks is listed as unsupported and never sent.
Settings are written in a safe order, the network last, since it can cut the camera off,
and every written setting is read back.
.PP
It does not run while the window of the Tovu Setting Tool uses the cameras, and the
window does not start while it runs.
)";

const char* const pszTail = R"(.SH EXIT STATUS
.TP
.B 0
Success.
.TP
.B 1
A camera or setting failure: no camera, a camera that failed or was pulled out, a value
that did not stick, or the window of the Tovu Setting Tool holding the cameras.
.TP
.B 2
Bad usage: nothing was sent because the options, a value or a profile are wrong, or
several cameras are attached and none was chosen with \-\-camera.
.SH EXAMPLES
.EX
tovu\-settings \-\-list
tovu\-settings \-\-get basic.camera_name stream.recording.bit_rate
tovu\-settings \-\-set basic.time_stamp=on stream.recording.frame_rate=15
tovu\-settings \-\-save\-profile team.json
tovu\-settings \-\-apply\-profile team.json \-\-all
.EE
.SH SEE ALSO
.BR tovu\-setting\-tool (1)
)";
}  // namespace

QString ClCliManual::roff(const QString& strDate, const QString& strVersion)
{
    QString strPage = QStringLiteral(".TH TOVU-SETTINGS 1 \"%1\" \"Tovu Setting Tool %2\" \"User Commands\"\n")
                          .arg(strDate, strVersion);
    strPage += QString::fromUtf8(pszHead);
    strPage += QStringLiteral(".SH OPTIONS\n");
    for (const ClCliOptions::OptionText& stOption : ClCliOptions::optionTexts())
        strPage += QStringLiteral(".TP\n.B %1\n%2\n").arg(escaped(stOption.strNames), escaped(stOption.strDescription));
    // Lists of choices are long words: left-aligned, not stretched to both margins.
    strPage += QStringLiteral(".SH SETTINGS\nEach setting with its type and range or pattern.\n.ad l\n");
    for (const ClSettingDefinition& stSetting : ClSettingTable::all()) {
        // A long list of choices may break after each bar.
        const QString strRange = escaped(stSetting.describe()).replace(QLatin1Char('|'), QStringLiteral("|\\:"));
        strPage += QStringLiteral(".TP\n.B %1\n%2\n").arg(escaped(stSetting.strName), strRange);
    }
    strPage += QStringLiteral(".ad\n") + QString::fromUtf8(pszTail);
    return strPage;
}
