#pragma once
// The texts the filter control and its dialogs show, as resource strings a registered replacement
// can change.
#include "platform/rtl/ResourceStrings.h"

namespace zorvy {

ZORVY_RESOURCESTRING(cxSFilterBoolOperatorAnd, "AND");
ZORVY_RESOURCESTRING(cxSFilterBoolOperatorOr, "OR");
ZORVY_RESOURCESTRING(cxSFilterBoolOperatorNotAnd, "NOT AND");
ZORVY_RESOURCESTRING(cxSFilterBoolOperatorNotOr, "NOT OR");
ZORVY_RESOURCESTRING(cxSFilterRootButtonCaption, "Filter");
ZORVY_RESOURCESTRING(cxSFilterAddCondition, "Add &Condition");
ZORVY_RESOURCESTRING(cxSFilterAddGroup, "Add &Group");
ZORVY_RESOURCESTRING(cxSFilterRemoveRow, "&Remove Row");
ZORVY_RESOURCESTRING(cxSFilterClearAll, "Clear &All");
ZORVY_RESOURCESTRING(cxSFilterFooterAddCondition, "press the button to add a new condition");
ZORVY_RESOURCESTRING(cxSFilterGroupCaption, "applies to the following conditions");
ZORVY_RESOURCESTRING(cxSFilterRootGroupCaption, "<root>");
ZORVY_RESOURCESTRING(cxSFilterControlNullString, "<empty>");
ZORVY_RESOURCESTRING(cxSFilterErrorBuilding, "Can't build filter from source");
ZORVY_RESOURCESTRING(cxSFilterAndCaption, "and");
ZORVY_RESOURCESTRING(cxSFilterBlankCaption, "blank");

ZORVY_RESOURCESTRING(cxSFilterControlDialogCaption, "Filter builder");
ZORVY_RESOURCESTRING(cxSFilterControlDialogNewFile, "untitled.flt");
ZORVY_RESOURCESTRING(cxSFilterControlDialogOpenDialogCaption, "Open an existing filter");
ZORVY_RESOURCESTRING(cxSFilterControlDialogSaveDialogCaption, "Save the active filter to file");
ZORVY_RESOURCESTRING(cxSFilterControlDialogActionSaveCaption, "&Save As...");
ZORVY_RESOURCESTRING(cxSFilterControlDialogActionOpenCaption, "&Open...");
ZORVY_RESOURCESTRING(cxSFilterControlDialogActionApplyCaption, "&Apply");
ZORVY_RESOURCESTRING(cxSFilterControlDialogActionOkCaption, "OK");
ZORVY_RESOURCESTRING(cxSFilterControlDialogActionCancelCaption, "Cancel");
ZORVY_RESOURCESTRING(cxSFilterControlDialogFileExt, "flt");
ZORVY_RESOURCESTRING(cxSFilterControlDialogIncomplete, "A condition has no item or no operator");
ZORVY_RESOURCESTRING(cxSFilterControlDialogFileFilter, "Filters (*.flt)|*.flt");

ZORVY_RESOURCESTRING(cxSFilterDialogCaption, "Custom Filter");
ZORVY_RESOURCESTRING(cxSFilterDialogRows, "Show rows where:");
ZORVY_RESOURCESTRING(cxSFilterDialogUse, "Use");
ZORVY_RESOURCESTRING(cxSFilterDialogSingleCharacter, "to represent any single character");
ZORVY_RESOURCESTRING(cxSFilterDialogCharactersSeries, "to represent any series of characters");
ZORVY_RESOURCESTRING(cxSFilterDialogOperationAnd, "AND");
ZORVY_RESOURCESTRING(cxSFilterDialogOperationOr, "OR");

} // namespace zorvy
