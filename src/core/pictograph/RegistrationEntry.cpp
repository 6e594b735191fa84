#include "core/pictograph/RegistrationEntry.h"

#include "core/platform/Cp932.h"

namespace registration {

namespace {

constexpr int kFirstBlockSize = 94;
constexpr unsigned kFirstBlockStart = 0xF89F;
constexpr unsigned kSecondBlockStart = 0xF940;
/// 0xF97F: a trail byte of 0x7F is not code page 932.
constexpr int kNoCharacter = 157;

} // namespace

QString entryText(const Definition &definition)
{
    return definition.keyword + u"\t\t"_qs + definition.symbol;
}

QString selectorSymbol(int value)
{
    if (value < 0 || value > kSelectorMaximum || value == kNoCharacter)
        return {};
    const unsigned code = value < kFirstBlockSize ? kFirstBlockStart + static_cast<unsigned>(value)
                                                  : kSecondBlockStart + static_cast<unsigned>(value - kFirstBlockSize);
    const char bytes[2] = {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
    return cp932::decode(QByteArrayView(bytes, 2));
}

QString selectorLabel(int value)
{
    return u"記号"_qs + u"%1"_qs.arg(value, 3, 10, QChar(u'0'));
}

} // namespace registration
