#include "core/compose/Vertical.h"

#include "core/compose/PhoneModel.h"
#include "core/platform/Cp932.h"
#include "core/platform/WidthFold.h"

#include <algorithm>

namespace {

constexpr char16_t kLongVowel = u'\u30FC'; // ー
constexpr char16_t kVerticalBar = u'\uFF5C'; // ｜, the long vowel sign standing upright
constexpr QStringView kNextPage = u"次のページ";
constexpr int kMailCharacters = 250;
constexpr int kMaxCells = 99;

bool isCrLf(QStringView text, qsizetype i)
{
    return text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n';
}

// The code page 932 single-byte characters that are themselves: ASCII and
// half-width katakana. Every other single-byte one is a "?" in the mail.
bool hasOwnSingleByte(char16_t c) { return c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F); }

} // namespace

std::optional<VerticalGeometry> VerticalGeometry::of(int columns, int rows)
{
    if (columns < 5 || columns > kMaxCells || rows < 1 || rows > kMaxCells)
        return std::nullopt;
    return VerticalGeometry(columns, rows);
}

std::optional<VerticalGeometry> VerticalGeometry::of(const PhoneModel &model)
{
    return of(model.columns(), model.rows());
}

int VerticalGeometry::budget() const
{
    return kMailCharacters / (pageSize() + columns_) * pageSize();
}

QString VerticalGeometry::separator() const
{
    const QString hyphens(columns_ - 5, u'-');
    QString out;
    out.reserve(2 * hyphens.size() + kNextPage.size());
    out += hyphens;
    out += kNextPage;
    out += hyphens;
    return out;
}

QString toFullWidth(QStringView text)
{
    // What the mail would carry as "?" becomes "?" first, a surrogate pair
    // as one, so that it widens to one full cell like the rest.
    QString known;
    known.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && QChar::isLowSurrogate(text[i + 1].unicode())) {
            known += u'?';
            ++i;
        } else if (cp932::unitByteLength(c) == 1 && !hasOwnSingleByte(c)) {
            known += u'?';
        } else {
            known += QChar(c);
        }
    }
    return widthfold::toWide(known);
}

int PreparedLayout::excess() const { return std::max(0, static_cast<int>(text.size()) - budget); }

void PreparedLayout::cutToBudget()
{
    if (text.size() > budget)
        text.truncate(budget);
}

PreparedLayout prepareVertical(QStringView body, const VerticalGeometry &geometry)
{
    const QString wide = toFullWidth(body);
    const int rows = geometry.rows();
    PreparedLayout out;
    out.budget = geometry.budget();
    QString &s = out.text;
    s.reserve(wide.size());
    for (qsizetype i = 0; i < wide.size(); ++i) {
        const QChar c = wide[i];
        if (c == u'\t') {
            s.resize(s.size() + 4, kVerticalFiller);
        } else if (isCrLf(wide, i)) {
            // Fill the column up; a break at a column boundary leaves nothing.
            s.resize(s.size() + (rows - s.size() % rows) % rows, kVerticalFiller);
            ++i;
        } else if (c == kLongVowel) {
            s += kVerticalBar;
        } else {
            s += c;
        }
    }
    return out;
}

QString verticalBudgetQuestion(int excess)
{
    return QString::number(excess) + u"文字オーバーになるので、削除してもよろしいですか？"_qs;
}

QString verticalBudgetTitle() { return u"文字数オーバー"_qs; }

QString renderVertical(QStringView prepared, const VerticalGeometry &geometry, VerticalForm form)
{
    const int columns = geometry.columns();
    const int rows = geometry.rows();
    const qsizetype pageSize = geometry.pageSize();
    const qsizetype pages = std::max<qsizetype>(1, (prepared.size() + pageSize - 1) / pageSize);
    // The sending form runs the rows together, for the phone to wrap. A
    // text box would not wrap them alike: it lets a run of fillers (spaces)
    // hang past a row's end, so the preview breaks the rows itself.
    const bool rowsEnded = form != VerticalForm::Sending;
    const QString separator = geometry.separator();
    const int lineEnd = rowsEnded ? 2 : 0;

    QString out;
    out.reserve(pages * rows * (columns + lineEnd) + (pages - 1) * (separator.size() + lineEnd));
    for (qsizetype page = 0; page < pages; ++page) {
        const QStringView cells = prepared.mid(page * pageSize, std::min(pageSize, prepared.size() - page * pageSize));
        for (int r = 0; r < rows; ++r) {
            // Column 1 is the rightmost: the row reads the columns backwards,
            // with fillers where a short page has no column.
            for (int column = columns - 1; column >= 0; --column) {
                const qsizetype at = qsizetype(column) * rows + r;
                out += at < cells.size() ? cells[at] : QChar(kVerticalFiller);
            }
            if (rowsEnded)
                out += u"\r\n";
        }
        if (page + 1 < pages) {
            out += separator;
            if (rowsEnded)
                out += u"\r\n";
        }
    }
    if (form == VerticalForm::Preview)
        out.chop(2); // nothing after the last row
    return out;
}

namespace {

// (numerator ÷ denominator) rounded to the nearest whole number, halves to
// the even one; numerator ≥ 0, denominator > 0.
qsizetype roundHalfEven(qsizetype numerator, qsizetype denominator)
{
    const qsizetype q = numerator / denominator;
    const qsizetype twice = 2 * (numerator % denominator);
    if (twice > denominator || (twice == denominator && q % 2 == 1))
        return q + 1;
    return q;
}

// The long vowel signs back and the separators cut out: for each
// "次のページ", the `hyphens` characters before it, the word and the
// `hyphens` characters after it.
QString withoutSeparators(QStringView text, qsizetype hyphens)
{
    QString out;
    out.reserve(text.size());
    qsizetype i = 0;
    while (i < text.size()) {
        if (text.sliced(i).startsWith(kNextPage)) {
            out.chop(std::min(hyphens, out.size()));
            i = std::min(text.size(), i + kNextPage.size() + hyphens);
            continue;
        }
        out += text[i] == kVerticalBar ? QChar(kLongVowel) : text[i];
        ++i;
    }
    return out;
}

QString withoutCrLf(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isCrLf(text, i))
            ++i;
        else
            out += text[i];
    }
    return out;
}

} // namespace

QString fromVertical(QStringView text, int fallbackColumns, int fallbackRows)
{
    qsizetype columns = fallbackColumns;
    qsizetype rows = fallbackRows;
    qsizetype hyphens = 0;
    const qsizetype word = text.indexOf(kNextPage);
    if (word >= 0) {
        const QStringView after = text.sliced(word + kNextPage.size());
        while (hyphens < after.size() && after[hyphens] == u'-')
            ++hyphens;
        columns = hyphens + 5;
        const qsizetype height = word - hyphens; // 1-based position − hyphens − 1
        rows = height < 0 ? 0 : roundHalfEven(height, columns);
    }
    if (columns < 1 || rows < 1)
        return text.toString();

    const QString cells = withoutCrLf(withoutSeparators(text, hyphens));
    const qsizetype pageSize = columns * rows;
    QString out;
    out.reserve(cells.size() + cells.size() / 2);
    for (qsizetype page = 0; page < cells.size(); page += pageSize) {
        const QStringView grid = QStringView(cells).sliced(page, std::min(pageSize, cells.size() - page));
        auto fillerAt = [&](qsizetype at) { return at < grid.size() && grid[at] == kVerticalFiller; };
        // Column k (1 = rightmost) holds the positions C − k, C − k + C, …;
        // columns that start beyond a short page hold nothing.
        for (qsizetype first = std::min(columns, grid.size()) - 1; first >= 0; --first) {
            bool empty = true;
            qsizetype at = first;
            while (at < grid.size()) {
                const QChar c = grid[at];
                if (c == kVerticalFiller && !empty && fillerAt(at + columns)) {
                    // Two fillers under the text: the line ended here.
                    out += u"\r\n";
                    while (fillerAt(at))
                        at += columns;
                    continue;
                }
                out += c;
                empty = false;
                at += columns;
            }
        }
    }
    return out;
}
