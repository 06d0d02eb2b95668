// Icons over QImage and metafiles over QPicture; TPicture's accessors for them.
#include "VlGraphicFormats.h"

#include "VlExceptions.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

VL_IMPLEMENT_CLASS(TIcon, TGraphic, "Graphics")
VL_IMPLEMENT_CLASS(TMetafile, TGraphic, "Graphics",
    VlIntProp<&TMetafile::Height, &TMetafile::SetHeight>("Height").NotStored(),
    VlIntProp<&TMetafile::Width, &TMetafile::SetWidth>("Width").NotStored())

namespace {

QImage ReadImage(const std::string &fileName)
{
    QImageReader reader(QString::fromStdString(fileName));
    QImage image = reader.read();
    if (image.isNull())
        throw EInvalidImage(VlSprintf("Cannot load image \"%s\": %s", fileName.c_str(),
                                      reader.errorString().toStdString().c_str()));
    return image;
}

} // namespace

TIcon::TIcon() = default;
TIcon::~TIcon() = default;

void TIcon::Assign(const TPersistent *source)
{
    if (auto *graphic = dynamic_cast<const TGraphic *>(source)) {
        FImage = graphic->ToImage();
        Changed();
        return;
    }
    TGraphic::Assign(source);
}

void TIcon::LoadFromFile(const std::string &fileName)
{
    FImage = ReadImage(fileName).convertToFormat(QImage::Format_ARGB32);
    Changed();
}

void TIcon::SaveToFile(const std::string &fileName) const
{
    QImageWriter writer(QString::fromStdString(fileName));
    if (writer.format().isEmpty() || !writer.canWrite())
        writer.setFormat("png");
    if (!writer.write(FImage))
        throw EFCreateError(VlSprintf("Cannot create file \"%s\". %s", fileName.c_str(),
                                      writer.errorString().toStdString().c_str()));
}

void TIcon::LoadFromFormData(const std::string &bytes)
{
    QImage image;
    if (!bytes.empty() && !image.loadFromData(QByteArray::fromStdString(bytes)))
        throw EInvalidImage("Icon image is not valid");
    FImage = image;
    Changed();
}

std::string TIcon::SaveToFormData() const
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    if (!FImage.isNull())
        FImage.save(&buffer, "PNG");
    return data.toStdString();
}

// TMetafile ------------------------------------------------------------------------------------

// Draws into the picture being recorded: a transparent image of the metafile's size stands in
// for reads (Pixels), while every operation is also painted into the picture.
class TMetafile::TRecordingCanvas : public TCanvas {
public:
    TRecordingCanvas(int width, int height) : FImage(std::max(1, width), std::max(1, height), QImage::Format_ARGB32)
    {
        FImage.fill(Qt::transparent);
    }
    QImage &Image() { return FImage; }

protected:
    QImage *RequireTarget() override { return &FImage; }

private:
    QImage FImage;
};

TMetafile::TMetafile() = default;
TMetafile::~TMetafile() = default;

int TMetafile::Width() const
{
    return FWidth ? FWidth : FPicture.boundingRect().width();
}

int TMetafile::Height() const
{
    return FHeight ? FHeight : FPicture.boundingRect().height();
}

void TMetafile::Assign(const TPersistent *source)
{
    if (auto *metafile = dynamic_cast<const TMetafile *>(source)) {
        FPicture = metafile->FPicture;
        FWidth = metafile->FWidth;
        FHeight = metafile->FHeight;
        Changed();
        return;
    }
    if (auto *graphic = dynamic_cast<const TGraphic *>(source)) {
        // Another graphic becomes a recording of drawing it.
        const QImage image = graphic->ToImage();
        FPicture = QPicture();
        QPainter painter(&FPicture);
        painter.drawImage(0, 0, image);
        painter.end();
        FWidth = image.width();
        FHeight = image.height();
        Changed();
        return;
    }
    TGraphic::Assign(source);
}

QImage TMetafile::ToImage() const
{
    if (Empty() || Width() <= 0 || Height() <= 0)
        return QImage();
    QImage image(Width(), Height(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    const QRect bounds = FPicture.boundingRect();
    painter.translate(-bounds.left(), -bounds.top());
    painter.drawPicture(0, 0, FPicture);
    return image;
}

void TMetafile::LoadFromFile(const std::string &fileName)
{
    QPicture picture;
    if (!picture.load(QString::fromStdString(fileName)))
        throw EInvalidImage(VlSprintf("Cannot load metafile \"%s\"", fileName.c_str()));
    FPicture = picture;
    FWidth = FHeight = 0;
    Changed();
}

void TMetafile::SaveToFile(const std::string &fileName) const
{
    if (!const_cast<QPicture &>(FPicture).save(QString::fromStdString(fileName)))
        throw EFCreateError(VlSprintf("Cannot create file \"%s\".", fileName.c_str()));
}

void TMetafile::LoadFromFormData(const std::string &bytes)
{
    QPicture picture;
    if (!bytes.empty()) {
        QByteArray data = QByteArray::fromStdString(bytes);
        QBuffer buffer(&data);
        buffer.open(QIODevice::ReadOnly);
        if (!picture.load(&buffer))
            throw EInvalidImage("Metafile is not valid");
    }
    FPicture = picture;
    Changed();
}

std::string TMetafile::SaveToFormData() const
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    const_cast<QPicture &>(FPicture).save(&buffer);
    return data.toStdString();
}

void TMetafile::Clear()
{
    FPicture = QPicture();
    FWidth = FHeight = 0;
    Changed();
}

TCanvas *TMetafile::BeginRecording(int width, int height)
{
    FRecording = std::make_unique<TRecordingCanvas>(width, height);
    FWidth = width;
    FHeight = height;
    return FRecording.get();
}

void TMetafile::EndRecording()
{
    if (!FRecording)
        return;
    // The recorded pixels become the picture.
    FPicture = QPicture();
    QPainter painter(&FPicture);
    painter.drawImage(0, 0, FRecording->Image());
    painter.end();
    FRecording.reset();
    Changed();
}

// TPicture ---------------------------------------------------------------------------------------

template <class T>
static T *ReplaceGraphic(std::unique_ptr<TGraphic> &graphic, const std::function<void()> &changed)
{
    if (auto *same = dynamic_cast<T *>(graphic.get()))
        return same;
    auto made = std::make_unique<T>();
    made->OnChange = changed;
    graphic = std::move(made);
    if (changed)
        changed();
    return static_cast<T *>(graphic.get());
}

TIcon *TPicture::Icon()
{
    return ReplaceGraphic<TIcon>(FGraphic, [this] { Changed(); });
}

TMetafile *TPicture::Metafile()
{
    return ReplaceGraphic<TMetafile>(FGraphic, [this] { Changed(); });
}
