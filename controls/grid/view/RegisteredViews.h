#pragma once
// The registry of view classes with their descriptions ("Table", "Banded Table", "DB Table",
// "DB Banded Table"), in which the dataset-bound kinds always follow the others.
#include "controls/foundation/classes/Classes.h"

namespace zorvy {

class TcxGridRegisteredViews : public TcxRegisteredClasses {
  public:
    // Registers every added class for streaming and keeps the list sorted.
    TcxGridRegisteredViews();

  protected:
    // Descriptions beginning with "DB" after the others; within each group by display name.
    int CompareItems(int index1, int index2) const override;
};

// The one registry: made by InitializeRegisteredViews, freed by FinalizeRegisteredViews.
TcxGridRegisteredViews* GetGridRegisteredViews();
void InitializeRegisteredViews();
void FinalizeRegisteredViews();

} // namespace zorvy
