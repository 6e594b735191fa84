#include "gui/compose/FilterCommands.h"

#include "gui/compose/BodyEdit.h"
#include "gui/compose/ComposeContext.h"
#include "core/compose/Filters.h"

void runFilter(ComposeContext &c, int index)
{
    BodyEdit *body = c.ui.bodyField;
    body->setBodyText(applyFilter(body->bodyText(), filterEntries().at(static_cast<std::size_t>(index))));
}

void runAllFilters(ComposeContext &c)
{
    BodyEdit *body = c.ui.bodyField;
    QString text = body->bodyText();
    for (const int index : kCmeroOrder)
        text = applyFilter(text, filterEntries().at(static_cast<std::size_t>(index)));
    body->setBodyText(text);
}
