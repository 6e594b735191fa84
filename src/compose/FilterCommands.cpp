#include "compose/FilterCommands.h"

#include "compose/BodyEdit.h"
#include "compose/ComposeContext.h"
#include "compose/Filters.h"

namespace {

void replaceEach(BodyEdit *body, const FilterEntry &entry)
{
    QList<FilterEdit> edits = filterEdits(body->bodyText(), entry);
    int expectedLength = body->bodyLength();
    for (qsizetype k = 0; k < edits.size(); ++k) {
        const FilterEdit &edit = edits.at(k);
        body->setBodySelection(edit.position, edit.length);
        body->replaceBodySelection(edit.text);
        expectedLength += static_cast<int>(edit.text.size()) - edit.length;
        if (body->bodyLength() != expectedLength) {
            // The change handling cut the body (the trimming offer): the
            // remaining edits no longer fit it, so find them anew.
            edits = filterEdits(body->bodyText(), entry);
            expectedLength = body->bodyLength();
            k = -1;
        }
    }
}

} // namespace

void runFilter(ComposeContext &c, int index)
{
    const FilterEntry &entry = filterEntries().at(static_cast<std::size_t>(index));
    BodyEdit *body = c.ui.bodyField;
    if (entry.kind == FilterEntry::Kind::Narrow) {
        body->setBodyText(applyFilter(body->bodyText(), entry));
        return;
    }
    replaceEach(body, entry);
}

void runAllFilters(ComposeContext &c)
{
    for (const int index : kCmeroOrder)
        runFilter(c, index);
}
