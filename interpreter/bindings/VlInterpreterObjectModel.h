// How the interpreter sees rtl objects: class tests, published properties, freeing, and
// exceptions as script-visible objects of the Exception class family.
#pragma once

#include "interpreter/VlInterpreterAdapter.h"
#include "rtl/VlObject.h"

#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// An exception object as scripts see it: a TObject of one of the Exception classes.
class TVlExceptionObject : public TObject {
public:
    TVlExceptionObject(const TClassInfo &cls, std::string message, int helpContext = 0)
        : Message(std::move(message)), HelpContext(helpContext), FClass(&cls) {}
    static const TClassInfo &StaticClassInfo();  // the class "Exception"
    const TClassInfo *ClassInfo() const override { return FClass; }

    std::string Message;
    int HelpContext;

private:
    const TClassInfo *FClass;
};

// The exception classes by name ("Exception", "EConvertError", "EListError", ...); null if unknown.
const TClassInfo *VlExceptionClass(std::string_view name);
// The exception classes of one unit ("SysUtils" or "Classes"), in registration order.
std::vector<const TClassInfo *> VlExceptionClassesOf(std::string_view unitName);
// Registers Create, CreateRes, CreateHelp and CreateResHelp for an exception class below
// Exception: a getter on a class value serves that exact class only.
void VlRegisterExceptionConstructors(TVlInterpreterAdapter &adapter, const TClassInfo &cls);

// A host object raised as an exception ("raise E", or a library error turned into an object);
// the exception owns the object.
class EVlScriptException : public std::exception {
public:
    explicit EVlScriptException(std::shared_ptr<TObject> object) : Object(std::move(object)) {}
    const char *what() const noexcept override;
    std::shared_ptr<TObject> Object;

private:
    mutable std::string FText;
};

class TVlRtlObjectModel : public TVlHostObjectModel {
public:
    TVlHostClass ClassOf(void *object) const override;
    bool InheritsFrom(TVlHostClass cls, TVlHostClass ancestor) const override;
    std::string ClassName(TVlHostClass cls) const override;
    bool ReadProperty(void *object, const std::string &name, TVlValue &value) const override;
    bool WriteProperty(void *object, const std::string &name, const TVlValue &value) const override;
    bool GetMethodProperty(void *object, const std::string &name, std::string &eventTypeName,
                           TVlMethod &handler) const override;
    void SetMethodProperty(void *object, const std::string &name, const TVlMethod &handler) const override;
    void FreeObject(void *object) const override;
    TVlHostClass LiveClassOf(void *object) const override;
    void *ExceptionObject(const std::exception_ptr &error) const override;
    [[noreturn]] void RaiseObject(void *object) const override;

private:
    // Objects made for library exceptions, newest last; kept while their exception may be handled.
    struct TConverted {
        std::exception_ptr Error;  // held, so that its address stays unique while cached
        const void *Exception;
        std::unique_ptr<TObject> Object;
    };
    mutable std::deque<TConverted> FConverted;
};
