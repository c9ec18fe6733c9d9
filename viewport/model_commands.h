#pragma once
// CModelCommands holds model commands that ask their values in a dialog and
// record their own undo step. Connect Curve joins the curve ends of the
// current object that continue each other within the dialog's angle into
// single curves; it does nothing without a current object or when the
// dialog is cancelled, and refuses an object that may not be edited with the
// usual message. Freeze makes the mirrored shape of the current object its
// own geometry and switches its mirror off, as one undo step; an object
// without a mirror, whose mirror has no axis or that may not be edited stays
// as it is.
class CModelCommands {
public:
    virtual ~CModelCommands() = default;

    void ConnectCurve();
    // Whether the Connect Curve item is enabled: there is a current object.
    int CanConnectCurve() const;
    void Freeze();
    // Whether the Freeze item is enabled: the current object is mirrored and
    // may be edited.
    int CanFreeze() const;
};
