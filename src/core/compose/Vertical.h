#pragma once

#include <QString>
#include <QStringView>

#include <optional>

struct PhoneModel;

/// Vertical writing: a horizontal body laid out so that, shown on a phone
/// screen of C columns and R rows, it reads top to bottom in columns, the
/// columns from right to left, page by page; and the way back.
///
/// Laying out is two steps so that the caller can ask the page budget
/// question between them:
///
///     auto geometry = VerticalGeometry::of(model);       // refuse if empty
///     PreparedLayout s = prepareVertical(body, *geometry);
///     if (s.excess() > 0) ask verticalBudgetQuestion(s.excess()) titled
///         verticalBudgetTitle(): Yes → s.cutToBudget(); No → stop for
///         VerticalForm::TextView, go on with the whole text otherwise
///     QString layout = renderVertical(s.text, *geometry, form);

/// Where a layout goes and how its rows are ended.
enum class VerticalForm {
    Preview = 0,  ///< the preview box; CR LF between rows and separators
    Sending = 1,  ///< the body as sent; rows follow one another directly
    TextView = 2, ///< the body; CR LF after every row and every separator
};

/// The filler of a layout: the ideographic space.
inline constexpr char16_t kVerticalFiller = u'\u3000';

/// A screen on which a layout can be built: 5 to 99 columns (the page
/// separator is built from C − 5 hyphens) and 1 to 99 rows (two digits of a
/// model code each). Other screens cannot be had, so a caller holding a
/// geometry cannot hang or crash the conversion.
class VerticalGeometry {
public:
    /// The geometry, or nothing when columns or rows are out of range.
    static std::optional<VerticalGeometry> of(int columns, int rows);
    /// The geometry of a model, or nothing when it cannot be laid out.
    static std::optional<VerticalGeometry> of(const PhoneModel &model);

    int columns() const { return columns_; }
    int rows() const { return rows_; }
    /// Characters of text on one page: C × R.
    int pageSize() const { return columns_ * rows_; }
    /// The most layout characters a mail may hold: ⌊250 ÷ (C × R + C)⌋ × C × R,
    /// the pages that fit into 250 characters with one separator row each.
    int budget() const;
    /// C − 5 hyphens, "次のページ", C − 5 hyphens: exactly one screen row.
    QString separator() const;

private:
    VerticalGeometry(int columns, int rows) : columns_(columns), rows_(rows) {}
    int columns_;
    int rows_;
};

/// The wide form of a text for a layout: every character whose code page
/// 932 form is one byte becomes its full-width form (half-width ｶﾞ joins
/// into ガ, a lone ﾞ becomes ゛); a character without a code page 932 form,
/// which a mail carries as a single-byte "?", becomes "？". CR, LF and TAB
/// are kept.
QString toFullWidth(QStringView text);

/// The text of a layout before it is cut into pages, and its budget.
struct PreparedLayout {
    /// Full width; each TAB four fillers; each CR LF replaced by the fillers
    /// that take the text on to the next column; each "ー" written "｜".
    QString text;
    /// The page budget of the geometry.
    int budget = 0;

    /// Characters beyond the budget, 0 when it fits.
    int excess() const;
    /// Keeps the first `budget` characters.
    void cutToBudget();
};

/// The first steps of the layout of a body (in its CR LF form).
PreparedLayout prepareVertical(QStringView body, const VerticalGeometry &geometry);

/// The question asked when a layout exceeds its budget by `excess` characters.
QString verticalBudgetQuestion(int excess);
/// The title of that question: "文字数オーバー".
QString verticalBudgetTitle();

/// Cuts a prepared text into pages of R rows of exactly C characters, each
/// row holding the page's columns from left to right, with the page
/// separator between pages. An empty text still gives one page of fillers.
QString renderVertical(QStringView prepared, const VerticalGeometry &geometry, VerticalForm form);

/// Turns a layout in sending or text-view form back into horizontal text.
///
/// The geometry comes from the first "次のページ" (C = hyphens after it + 5,
/// R = (its 1-based position − hyphens − 1) ÷ C rounded half to even);
/// without one, the fallback geometry serves. Then "｜" becomes "ー", the
/// separators and every CR LF are removed, and each page is read column by
/// column; two fillers one above the other after some text of a column end
/// the line there.
///
/// Not an exact inverse: a line break that fell on a column boundary is
/// lost, a break that left one filler at the foot of a column comes back
/// as that filler, full-width forms stay, each empty column of a short last
/// page comes back as a filler and CR LF, and a text-view layout of more
/// than one page is read with the geometry its row breaks distort.
///
/// When the geometry has no room (fewer than one column or row, as a
/// "次のページ" near the start of a text gives) the text is returned as it is.
QString fromVertical(QStringView text, int fallbackColumns, int fallbackRows);
