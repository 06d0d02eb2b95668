// "Test": the main window's published properties for scripts.
#include "VlMainWindowObject.h"

#include "rtl/VlCp1251.h"

namespace {

std::string ToScript(const QString &text)
{
    return Utf16ToCp1251(text.toStdU16String());
}

QString FromScript(const std::string &text)
{
    return QString::fromStdU16String(Cp1251ToUtf16(text));
}

} // namespace

const TClassInfo &TVlMainWindowObject::StaticClassInfo()
{
    using T = TVlMainWindowObject;
    static const TClassInfo info("TForm1", &TComponent::StaticClassInfo(), "VeltranoForm", nullptr,
                                 {VlStrProp<&T::Caption, &T::SetCaption>("Caption", "TCaption"),
                                  VlIntProp<&T::Left, &T::SetLeft>("Left"),
                                  VlIntProp<&T::Top, &T::SetTop>("Top"),
                                  VlIntProp<&T::Width, &T::SetWidth>("Width"),
                                  VlIntProp<&T::Height, &T::SetHeight>("Height"),
                                  VlIntProp<&T::ClientWidth, &T::SetClientWidth>("ClientWidth"),
                                  VlIntProp<&T::ClientHeight, &T::SetClientHeight>("ClientHeight"),
                                  VlStrProp<&T::Hint, &T::SetHint>("Hint")});
    return info;
}

TVlMainWindowObject::TVlMainWindowObject(QWidget *window, TVlMainWindowObject **selfRef)
    : FWindow(window)
    , FSelfRef(selfRef)
{
    SetName(window->objectName().toStdString());
}

TVlMainWindowObject::~TVlMainWindowObject()
{
    if (FSelfRef)
        *FSelfRef = nullptr;
}

// A window that has gone answers empty values and ignores changes.
std::string TVlMainWindowObject::Caption() const { return FWindow ? ToScript(FWindow->windowTitle()) : std::string(); }
void TVlMainWindowObject::SetCaption(const std::string &value)
{
    if (FWindow)
        FWindow->setWindowTitle(FromScript(value));
}
std::string TVlMainWindowObject::Hint() const { return FWindow ? ToScript(FWindow->toolTip()) : std::string(); }
void TVlMainWindowObject::SetHint(const std::string &value)
{
    if (FWindow)
        FWindow->setToolTip(FromScript(value));
}
int TVlMainWindowObject::Left() const { return FWindow ? FWindow->frameGeometry().left() : 0; }
void TVlMainWindowObject::SetLeft(int value)
{
    if (FWindow)
        FWindow->move(value, Top());
}
int TVlMainWindowObject::Top() const { return FWindow ? FWindow->frameGeometry().top() : 0; }
void TVlMainWindowObject::SetTop(int value)
{
    if (FWindow)
        FWindow->move(Left(), value);
}
int TVlMainWindowObject::Width() const { return FWindow ? FWindow->frameGeometry().width() : 0; }
void TVlMainWindowObject::SetWidth(int value)
{
    if (FWindow)
        FWindow->resize(value - (Width() - ClientWidth()), FWindow->height());
}
int TVlMainWindowObject::Height() const { return FWindow ? FWindow->frameGeometry().height() : 0; }
void TVlMainWindowObject::SetHeight(int value)
{
    if (FWindow)
        FWindow->resize(FWindow->width(), value - (Height() - ClientHeight()));
}
int TVlMainWindowObject::ClientWidth() const { return FWindow ? FWindow->width() : 0; }
void TVlMainWindowObject::SetClientWidth(int value)
{
    if (FWindow)
        FWindow->resize(value, FWindow->height());
}
int TVlMainWindowObject::ClientHeight() const { return FWindow ? FWindow->height() : 0; }
void TVlMainWindowObject::SetClientHeight(int value)
{
    if (FWindow)
        FWindow->resize(FWindow->width(), value);
}
