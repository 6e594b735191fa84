#include "gui/compose/FilterCommands.h"

#include "gui/compose/BodyEdit.h"
#include "gui/compose/ComposeContext.h"
#include "core/compose/Filters.h"

void runFilter(ComposeContext &c, int index)
{
    BodyEdit *body = c.ui.bodyField;
    const FilterEntry &entry = filterEntries().at(static_cast<std::size_t>(index));
    // The field's text holds no control characters and no entry puts one
    // in; one that leaves the breaks alone runs on it without the two
    // conversions of the whole text.
    if (keepsLineBreaks(entry))
        body->setFieldText(applyFilter(body->fieldText(), entry));
    else
        body->setBodyText(applyFilter(body->bodyText(), entry));
}

void runAllFilters(ComposeContext &c)
{
    BodyEdit *body = c.ui.bodyField;
    QString text = body->bodyText();
    for (const int index : kCmeroOrder)
        text = applyFilter(text, filterEntries().at(static_cast<std::size_t>(index)));
    body->setBodyText(text);
}
