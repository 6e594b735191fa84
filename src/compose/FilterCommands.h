#pragma once

struct ComposeContext;

/// One entry of the filter menu (0 to 8, in the order of the filter table).
/// A find-and-replace entry makes each replacement as one edit of the body
/// field, so that the body change handling runs once per replacement; the
/// narrow conversion replaces the body in one change.
void runFilter(ComposeContext &c, int index);

/// "上記処理連続動作": every entry in its fixed order.
void runAllFilters(ComposeContext &c);
