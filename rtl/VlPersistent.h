// TPersistent: objects that can be assigned to each other and stored in form streams.
#pragma once

#include "VlObject.h"

class TFiler;

class TPersistent : public TObject {
    VL_CLASS(TPersistent)

    // Copies source into this object: source->AssignTo(this) unless overridden; classes that
    // cannot take the source raise EConvertError "Cannot assign a %s to a %s".
    virtual void Assign(const TPersistent *source);
    // The dotted path by which the object is known in its owner ("Form1.Button1.Font").
    virtual std::string GetNamePath() const;
    // The object this one belongs to for naming and streaming; null by default.
    virtual TPersistent *GetOwner() const { return nullptr; }
    // Declares data that is not a published property (binary glyphs, string lists).
    virtual void DefineProperties(TFiler &filer);

protected:
    virtual void AssignTo(TPersistent *dest) const;
    [[noreturn]] void AssignError(const TPersistent *source) const;
};
