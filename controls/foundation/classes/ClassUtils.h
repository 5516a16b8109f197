#pragma once
// Small routines of the control library's base layer: component naming for grid items, renaming
// by prefix, and the arithmetic, list and stream helpers the controls share.
#include "platform/gdi/Geometry.h"
#include "platform/rtl/Components.h"
#include "platform/rtl/Lists.h"

#include <functional>
#include <string>

namespace zorvy {

class TMemoryStream;

// The text before the first "|" (the whole text when there is none).
std::string TextBeforeBar(const std::string& text);
// Deletes every character that is not an ASCII letter, digit or "_" (a multi-byte character whole).
void StripToIdentifierChars(std::string& text);

// The view's name + the stripped base text (or the class name without prefix / leading "T" when
// that is empty or starts with a digit) + the number when it is above 0.
void BuildItemComponentName(TComponent* view, const std::string& className, const std::string& prefix,
                            const std::string& baseText, int number, std::string& name);
// False when a component of owner other than item has the name (case-insensitive).
bool IsComponentNameFree(TComponent* owner, TComponent* item, const std::string& name);
// The first free name for item, trying numbers from 0 (from 1 for an empty base text) upwards.
void GenerateItemComponentName(TComponent* owner, TComponent* view, TComponent* item,
                               const std::string& prefix, const std::string& baseText, std::string& name);
// Items of component owned by owner whose names start with oldName get newName in its place; a
// rename refused as a component error is skipped.
void RenameSubComponentsByPrefix(TComponent* component, TComponent* owner, const std::string& newName,
                                 const std::string& oldName, int count,
                                 const std::function<TComponent*(TComponent*, int)>& getItem);

TPersistent* GetOwnerOf(TPersistent* persistent);
void CopyPointerList(const TList* source, TList* dest);
// a div b, plus 1 when the division leaves a remainder.
int DivideRoundingUp(int a, int b);
TSize MakeSizeRecord(int cx, int cy);
// floor((a1 + a2) / 2), also for negative sums.
int GetMidpoint(int a1, int a2);
// Equal sizes and equal bytes; never reads past either stream.
bool MemoryStreamsEqual(TMemoryStream& stream1, TMemoryStream& stream2);
void MoveMemoryBlock(const void* source, void* dest, size_t count);
// 1 for x >= 0, else -1.
int FloatSign(double x);

} // namespace zorvy
