#pragma once

struct ComposeContext;

/// One entry of the filter menu (0 to 8, in the order of the filter table):
/// the body becomes the filter's result in one change, one undo step.
void runFilter(ComposeContext &c, int index);

/// "上記処理連続動作": every entry in its fixed order, applied to the text
/// and put into the body as one change, one undo step.
void runAllFilters(ComposeContext &c);
