#include "ClXmlShapeCheck.h"

namespace {
// Index just past the first occurrence of pszEnd at or after lFrom, or the end.
qsizetype skipPast(const QByteArray& clData, qsizetype lFrom, const char* pszEnd)
{
    const qsizetype lAt = clData.indexOf(pszEnd, lFrom);
    return lAt < 0 ? clData.size() : lAt + qsizetype(qstrlen(pszEnd));
}
}  // namespace

ClXmlShapeCheck::Verdict ClXmlShapeCheck::check(const QByteArray& clData)
{
    const qsizetype lSize = clData.size();
    int lDepth = 0;
    int lElements = 0;
    qsizetype i = 0;
    while (i < lSize) {
        const qsizetype lOpen = clData.indexOf('<', i);
        if (lOpen < 0)
            break;
        i = lOpen + 1;
        if (clData.mid(i, 3) == "!--") {
            i = skipPast(clData, i + 3, "-->");
            continue;
        }
        if (clData.mid(i, 8) == "![CDATA[") {
            i = skipPast(clData, i + 8, "]]>");
            continue;
        }
        if (i < lSize && (clData.at(i) == '?' || clData.at(i) == '!')) {
            // A declaration or processing instruction: no element, no attributes counted.
            i = skipPast(clData, i, ">");
            continue;
        }
        const bool bEnd = i < lSize && clData.at(i) == '/';
        // Through the tag, counting the '=' outside quoted values.
        int lAttributes = 0;
        char cQuote = 0;
        bool bSelfClosing = false;
        for (; i < lSize; ++i) {
            const char c = clData.at(i);
            if (cQuote) {
                if (c == cQuote)
                    cQuote = 0;
            } else if (c == '"' || c == '\'') {
                cQuote = c;
            } else if (c == '=') {
                if (++lAttributes > lMaxAttributes)
                    return Verdict::TooManyAttributes;
            } else if (c == '>') {
                bSelfClosing = i > 0 && clData.at(i - 1) == '/';
                ++i;
                break;
            }
        }
        if (bEnd) {
            --lDepth;
            continue;
        }
        if (++lElements > lMaxElements)
            return Verdict::TooManyElements;
        if (!bSelfClosing && ++lDepth > lMaxDepth)
            return Verdict::TooDeep;
    }
    return Verdict::Acceptable;
}
