#pragma once
// A single linear pass over an XML document's bytes that refuses shapes the XML readers
// take far longer than linear time on: deep nesting, many attributes on one element (the
// readers check each attribute against all before it) and very many elements. It reads
// markup only as far as counting needs; whether the document is well-formed is left to
// the reader that follows.
#include <QByteArray>

class ClXmlShapeCheck
{
public:
    static constexpr int lMaxDepth = 64;
    static constexpr int lMaxAttributes = 64;
    static constexpr int lMaxElements = 20000;

    enum class Verdict { Acceptable, TooDeep, TooManyAttributes, TooManyElements };

    static Verdict check(const QByteArray& clData);
};
