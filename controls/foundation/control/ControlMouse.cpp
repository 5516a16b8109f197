// TcxControl: mouse down, move and up with the focus-on-click rules, the mouse capture handed to a
// sub-object, the internal drag-and-drop state machine and the glue to the standard drag.
#include "controls/foundation/control/Control.h"

#include "controls/foundation/dragdrop/DragAndDrop.h"
#include "controls/foundation/graphics/Canvas.h"
#include "controls/foundation/services/ControlRoutines.h"
#include "platform/classlib/Forms.h"
#include "platform/classlib/ImageList.h"
#include "platform/win/Input.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/Windows.h"

namespace zorvy {
namespace {

TDragObject* currentDragObject = nullptr;

} // namespace

TDragObject* GetCurrentDragObject() {
    // Forgotten once the drag it belonged to is over.
    if (currentDragObject && CurrentDragObject() != currentDragObject) currentDragObject = nullptr;
    return currentDragObject;
}

// ---- Mouse ----

void TcxControl::CorrectMousePoint(int& x, int& y) const {
    if (!IsWiderThanMessagePoints()) return;
    const TPoint p = ScreenToClient(GetMessagePos());
    x = p.X;
    y = p.Y;
}

void TcxControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TWeakLink<TcxControl> self(this);
    CorrectMousePoint(x, y);
    mouseDownPos_ = {x, y};
    bool proceed = true;
    if (FocusesOnClickAt(x, y) && !(shift & ssDouble)) {
        const int oldLeft = GetLeft(), oldTop = GetTop();
        SetFocus();
        if (!self) return;
        if (auto* form = GetParentForm(this); form && form->GetActiveControl() == this && !HoldsFocus())
            zorvy::SetFocus(GetHandle());
        if (!self) return;
        if (!HoldsFocus() && !AllowsMouseDownWithoutFocus()) {
            SetMouseCapture(false);
            proceed = false;
        } else {
            // A scrolling parent may have moved the control into view: keep naming the screen spot
            // where the button went down.
            x += oldLeft - GetLeft();
            y += oldTop - GetTop();
        }
    }
    if (proceed) {
        if (button == mbLeft && !(shift & ssDouble) && MayStartDragAndDrop({x, y})) {
            TcxDragAndDropObject* object = ObtainDragAndDropObject();
            if (object->StartsImmediately())
                StartDragAndDrop();
            else
                SetDragAndDropState(idsPending);
        } else {
            FinishDragAndDrop(false);
        }
        if (self) ProcessMouseDown(button, shift, x, y);
        if (self) TCustomControl::MouseDown(button, shift, x, y);
    }
    if (self && GetMouseCapture()) mouseButtonPressed_ = true;
}

void TcxControl::MouseMove(TShiftState shift, int x, int y) {
    TWeakLink<TcxControl> self(this);
    CorrectMousePoint(x, y);
    cursor_ = GetCursorAt(x, y); // the default cursor stays as it is
    TCustomControl::MouseMove(shift, x, y);
    if (!self) return;
    if (dragAndDropState_ == idsPending) {
        if (!IsInDragDetectArea(x, y)) StartDragAndDrop();
    } else if (dragAndDropState_ == idsRunning) {
        bool accepted = false;
        TrackDragAndDrop({x, y}, accepted);
    }
}

void TcxControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TWeakLink<TcxControl> self(this);
    CorrectMousePoint(x, y);
    mouseButtonPressed_ = false;
    FinishMouseOperations();
    if (self) TCustomControl::MouseUp(button, shift, x, y);
}

bool TcxControl::IsInDragDetectArea(int x, int y) const {
    return IsWithinDragThreshold(mouseDownPos_, x, y);
}

bool TcxControl::StaysInDragThreshold(int x, int y) const {
    return DragMode == dmManual || IsInDragDetectArea(x, y);
}

void TcxControl::PostMouseMove(TPoint p) {
    if (HandleAllocated()) PostMessage(handle_, WM_MOUSEMOVE, 0, MakeLParam(p.X, p.Y));
}

void TcxControl::PostMouseMoveAtCursor() {
    if (!HandleAllocated()) return;
    TPoint p;
    GetCursorPos(p);
    PostMouseMove(ScreenToClient(p));
}

void TcxControl::SetMouseCaptureObject(TObject* object) {
    TObject* current = mouseCaptureObjectLink_.Get();
    if (object == current) return;
    TWeakLink<TcxControl> self(this);
    const bool hadCapture = GetMouseCapture();
    if (auto* client = dynamic_cast<IcxMouseCaptureClient*>(current)) client->CaptureLost();
    if (!self) return;
    mouseCaptureObject_ = object;
    mouseCaptureObjectLink_ = TWeakLink<TObject>(object);
    SetMouseCapture(object != nullptr);
    if (hadCapture && !GetMouseCapture() && dragAndDropState_ == idsPending) Perform(WM_CANCELMODE);
}

void TcxControl::AbortMouseActions() {
    mouseButtonPressed_ = false;
    SetMouseCaptureObject(nullptr);
}

void TcxControl::FinishMouseOperations() {
    TWeakLink<TcxControl> self(this);
    FinishDragAndDrop(true);
    if (self) SetMouseCaptureObject(nullptr);
}

// ---- Internal drag and drop ----

TcxDragAndDropObjectClass TcxControl::DragAndDropObjectClass() const {
    if (DragAndDropObjectClassOverride) return DragAndDropObjectClassOverride;
    return [](TcxControl* control) { return new TcxDragAndDropObject(control); };
}

TcxDragAndDropObject* TcxControl::ObtainDragAndDropObject() {
    if (!dragAndDropObject_) dragAndDropObject_ = DragAndDropObjectClass()(this);
    return dragAndDropObject_;
}

void TcxControl::SetDragAndDropState(TcxInternalDragState value) {
    if (value == dragAndDropState_) return;
    dragAndDropState_ = value;
    if (value == idsIdle && !finishingDragAndDrop_) AbortMouseActions();
}

void TcxControl::StartDragAndDrop() {
    TWeakLink<TcxControl> self(this);
    ObtainDragAndDropObject()->Start();
    if (!self) return;
    SetMouseCapture(true);
    cursorBeforeDragAndDrop_ = Screen ? Screen->GetCursor() : crDefault;
    SetDragAndDropState(idsRunning);
}

void TcxControl::TrackDragAndDrop(TPoint p, bool& accepted) {
    if (dragAndDropObject_) dragAndDropObject_->MoveTo(p, accepted);
}

void TcxControl::StopDragAndDrop(bool accepted) {
    TWeakLink<TcxControl> self(this);
    SetDragAndDropState(idsIdle);
    if (Screen) Screen->SetCursor(cursorBeforeDragAndDrop_);
    SetMouseCapture(false);
    SetMouseCaptureObject(nullptr);
    if (self && dragAndDropObject_) dragAndDropObject_->Stop(accepted);
}

void TcxControl::FinishDragAndDrop(bool accepted) {
    if (finishingDragAndDrop_) return;
    TWeakLink<TcxControl> self(this);
    finishingDragAndDrop_ = true;
    // The stop may free the control; the object is then freed here, not by the destructor.
    TcxDragAndDropObject* object = dragAndDropObject_;
    try {
        if (dragAndDropState_ == idsRunning)
            StopDragAndDrop(accepted);
        else
            SetDragAndDropState(idsIdle);
    } catch (...) {
        if (self) {
            dragAndDropObject_ = nullptr;
            finishingDragAndDrop_ = false;
        }
        delete object;
        throw;
    }
    if (self) {
        dragAndDropObject_ = nullptr;
        finishingDragAndDrop_ = false;
    }
    delete object;
}

// ---- Standard drag and drop ----

const TMetaClass* TcxControl::StandardDragObjectClass() const {
    return TcxDragControlObject::StaticClass();
}

bool TcxControl::IsCopyDragDrop() const {
    return IsCtrlKeyDown();
}

void TcxControl::DoStartDrag(TDragObject*& dragObject) {
    TWeakLink<TcxControl> self(this);
    Update();
    TCustomControl::DoStartDrag(dragObject);
    if (!self) return;
    if (!dragObject && StandardDragObjectClass()) dragObject = new TcxDragControlObject(this);
    if (!AcceptsDragObject(dragObject)) {
        delete dragObject;
        dragObject = nullptr;
        dragRefused_ = true;
    }
}

void TcxControl::DoEndDrag(TObject* target, int x, int y) {
    TWeakLink<TcxControl> self(this);
    TCustomControl::DoEndDrag(target, x, y);
    if (!self) return;
    delete dragImageList_;
    dragImageList_ = nullptr;
}

void TcxControl::DragOver(TObject* source, int x, int y, TDragState state, bool& accept) {
    currentDragObject = state == dsDragLeave ? nullptr : CurrentDragObject();
    TCustomControl::DragOver(source, x, y, state, accept);
}

void TcxControl::HideDragImage() {
    if (TDragObject* object = GetCurrentDragObject()) object->HideDragImage();
}

void TcxControl::ShowDragImage() {
    if (TDragObject* object = GetCurrentDragObject()) object->ShowDragImage();
}

TDragImageList* TcxControl::GetDragImageList() {
    if (!UsesDragImages()) return nullptr;
    if (!dragImageList_) {
        dragImageList_ = new TDragImageList(nullptr);
        FillDragImageList(dragImageList_);
    }
    return dragImageList_->GetCount() > 0 ? dragImageList_ : nullptr;
}

void TcxControl::FillDragImageList(TDragImageList* imageList) {
    const TSize size = GetDragImageSize();
    imageList->SetWidth(size.cx);
    imageList->SetHeight(size.cy);
    if (size.cx == 0 || size.cy == 0) return;
    TBitmap bitmap;
    bitmap.SetSize(size.cx, size.cy);
    TcxCanvas canvas(bitmap.GetCanvas());
    PaintDragImage(&canvas, Rect(0, 0, size.cx, size.cy));
    imageList->AddMasked(&bitmap, bitmap.GetTransparentColor());
}

} // namespace zorvy
