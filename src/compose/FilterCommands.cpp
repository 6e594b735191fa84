#include "compose/FilterCommands.h"

#include "compose/BodyEdit.h"
#include "compose/ComposeContext.h"
#include "compose/Filters.h"

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
