// TGraphic, TBitmap and TPicture: images that controls show and canvases draw, stored in form files.
#include "VlPicture.h"

#include "VlClassRegistry.h"
#include "VlExceptions.h"
#include "VlFiler.h"
#include "VlFormLimits.h"
#include "VlStreams.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <cstring>

VL_IMPLEMENT_CLASS(TGraphic, TPersistent, "Graphics")

void TGraphic::SetTransparent(bool value)
{
    if (value != FTransparent) {
        FTransparent = value;
        Changed();
    }
}

void TGraphic::DefineProperties(TFiler &filer)
{
    filer.DefineBinaryProperty(
        "Data",
        [this](TStream &stream) {
            std::string bytes(size_t(std::max<int64_t>(0, stream.Remaining())), '\0');
            if (!bytes.empty())
                stream.ReadBuffer(bytes.data(), int64_t(bytes.size()));
            LoadFromFormData(bytes);
        },
        [this](TStream &stream) {
            const std::string bytes = SaveToFormData();
            stream.WriteBuffer(bytes.data(), int64_t(bytes.size()));
        },
        !Empty());
}

class TBitmap::TBitmapCanvas : public TCanvas {
public:
    explicit TBitmapCanvas(TBitmap *owner) : FOwner(owner) {}

protected:
    QImage *RequireTarget() override { return FOwner->FImage.isNull() ? nullptr : &FOwner->FImage; }

private:
    TBitmap *FOwner;
};

VL_IMPLEMENT_CLASS(TBitmap, TGraphic, "Graphics",
    VlIntProp<&TBitmap::Height, &TBitmap::SetHeight>("Height").NotStored(),
    VlIntProp<&TBitmap::Width, &TBitmap::SetWidth>("Width").NotStored())

TBitmap::TBitmap() = default;
TBitmap::~TBitmap() = default;

void TBitmap::Assign(const TPersistent *source)
{
    if (!source) {
        SetImage(QImage());
        return;
    }
    if (auto *graphic = dynamic_cast<const TGraphic *>(source)) {
        SetImage(graphic->ToImage());
        return;
    }
    TGraphic::Assign(source);
}

void TBitmap::SetSize(int width, int height)
{
    width = std::max(0, width);
    height = std::max(0, height);
    VlCheckFormLimit("Bitmap pixels", int64_t(width) * height, VlMaxBufferPixels);
    if (width == Width() && height == Height())
        return;
    if (width == 0 || height == 0) {
        FImage = QImage();
    } else {
        QImage image(width, height, QImage::Format_ARGB32);
        image.fill(Qt::white);
        if (!FImage.isNull()) {
            QPainter painter(&image);
            painter.drawImage(0, 0, FImage);
        }
        FImage = image;
    }
    Changed();
}

void TBitmap::SetImage(const QImage &image)
{
    FImage = image.isNull() ? QImage() : image.convertToFormat(QImage::Format_ARGB32);
    Changed();
}

TCanvas *TBitmap::Canvas()
{
    if (!FCanvas) {
        FCanvas = std::make_unique<TBitmapCanvas>(this);
        FCanvas->OnChange = [this] { Changed(); };
    }
    return FCanvas.get();
}

void TBitmap::LoadFromFile(const std::string &fileName)
{
    QImageReader reader(QString::fromStdString(fileName));
    QImage image = reader.read();
    if (image.isNull())
        throw EInvalidImage(VlSprintf("Cannot load image \"%s\": %s", fileName.c_str(),
                                      reader.errorString().toStdString().c_str()));
    SetImage(image);
}

void TBitmap::SaveToFile(const std::string &fileName) const
{
    QImageWriter writer(QString::fromStdString(fileName));
    if (writer.format().isEmpty())
        writer.setFormat("bmp");
    if (!writer.write(FImage))
        throw EFCreateError(VlSprintf("Cannot create file \"%s\". %s", fileName.c_str(),
                                      writer.errorString().toStdString().c_str()));
}

void TBitmap::LoadFromFormData(const std::string &bytes)
{
    // Bitmap data starts with its 32-bit byte count; some writers leave it out.
    QByteArray data = QByteArray::fromStdString(bytes);
    if (data.size() >= 4 && !data.startsWith("BM")) {
        uint32_t size = 0;
        std::memcpy(&size, data.constData(), 4);
        if (size <= uint32_t(data.size() - 4))
            data = data.mid(4, int(size));
    }
    QImage image;
    if (!data.isEmpty() && !image.loadFromData(data))
        throw EInvalidImage("Bitmap image is not valid");
    SetImage(image);
}

std::string TBitmap::SaveToFormData() const
{
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    if (!FImage.isNull())
        FImage.save(&buffer, "BMP");
    const uint32_t size = uint32_t(bmp.size());
    std::string result(reinterpret_cast<const char *>(&size), 4);
    result.append(bmp.constData(), size_t(bmp.size()));
    return result;
}

VL_IMPLEMENT_CLASS(TPicture, TPersistent, "Graphics")

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::Changed()
{
    if (OnChange)
        OnChange();
}

void TPicture::Assign(const TPersistent *source)
{
    if (!source) {
        Clear();
        return;
    }
    if (auto *picture = dynamic_cast<const TPicture *>(source)) {
        SetGraphic(picture->Graphic());
        return;
    }
    if (auto *graphic = dynamic_cast<const TGraphic *>(source)) {
        SetGraphic(const_cast<TGraphic *>(graphic));
        return;
    }
    TPersistent::Assign(source);
}

void TPicture::SetGraphic(TGraphic *graphic)
{
    if (graphic == FGraphic.get())
        return;
    if (!graphic) {
        Clear();
        return;
    }
    auto copy = std::make_unique<TBitmap>();
    copy->Assign(graphic);
    copy->SetTransparent(graphic->Transparent());
    copy->OnChange = [this] { Changed(); };
    FGraphic = std::move(copy);
    Changed();
}

TBitmap *TPicture::Bitmap()
{
    if (auto *bitmap = dynamic_cast<TBitmap *>(FGraphic.get()))
        return bitmap;
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->OnChange = [this] { Changed(); };
    FGraphic = std::move(bitmap);
    Changed();
    return static_cast<TBitmap *>(FGraphic.get());
}

void TPicture::Clear()
{
    if (!FGraphic)
        return;
    FGraphic.reset();
    Changed();
}

void TPicture::LoadFromFile(const std::string &fileName)
{
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->LoadFromFile(fileName);
    bitmap->OnChange = [this] { Changed(); };
    FGraphic = std::move(bitmap);
    Changed();
}

void TPicture::SaveToFile(const std::string &fileName) const
{
    if (FGraphic)
        FGraphic->SaveToFile(fileName);
}

void TPicture::DefineProperties(TFiler &filer)
{
    filer.DefineBinaryProperty(
        "Data", [this](TStream &stream) { ReadData(stream); },
        [this](TStream &stream) { WriteData(stream); }, !Empty());
}

void TPicture::ReadData(TStream &stream)
{
    // A length-prefixed class name ("TBitmap", "TIcon", "TJPEGImage"), then that graphic's data;
    // every kind Qt can decode is kept as a bitmap.
    uint8_t nameLength = 0;
    stream.ReadBuffer(&nameLength, 1);
    std::string className(nameLength, '\0');
    if (nameLength)
        stream.ReadBuffer(className.data(), nameLength);
    std::string bytes(size_t(std::max<int64_t>(0, stream.Remaining())), '\0');
    if (!bytes.empty())
        stream.ReadBuffer(bytes.data(), int64_t(bytes.size()));
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->LoadFromFormData(bytes);
    bitmap->OnChange = [this] { Changed(); };
    FGraphic = std::move(bitmap);
    Changed();
}

void TPicture::WriteData(TStream &stream)
{
    const std::string className = "TBitmap";
    const uint8_t nameLength = uint8_t(className.size());
    stream.WriteBuffer(&nameLength, 1);
    stream.WriteBuffer(className.data(), nameLength);
    const std::string bytes = FGraphic ? FGraphic->SaveToFormData() : std::string();
    stream.WriteBuffer(bytes.data(), int64_t(bytes.size()));
}
