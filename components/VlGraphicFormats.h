// TIcon and TMetafile: the other graphics a picture can hold (an icon image, a recorded drawing).
#pragma once

#include "VlPicture.h"

#include <QImage>
#include <QPicture>

class TIcon : public TGraphic {
    VL_CLASS(TIcon)
    TIcon();
    ~TIcon() override;
    void Assign(const TPersistent *source) override;
    bool Empty() const override { return FImage.isNull(); }
    int Width() const override { return FImage.width(); }
    int Height() const override { return FImage.height(); }
    QImage ToImage() const override { return FImage; }
    // ".ico" files and every image format Qt reads; saving writes an ".ico" file.
    void LoadFromFile(const std::string &fileName) override;
    void SaveToFile(const std::string &fileName) const override;
    // Form files keep the icon file's bytes.
    void LoadFromFormData(const std::string &bytes) override;
    std::string SaveToFormData() const override;
    // Icons have no window-system handle here: 0 when empty, else 1.
    int Handle() const { return FImage.isNull() ? 0 : 1; }
    void ReleaseHandle() {}

private:
    QImage FImage;
};

// A recorded drawing (Qt's picture format), drawn at its own size or scaled.
class TMetafile : public TGraphic {
    VL_CLASS(TMetafile)
    TMetafile();
    ~TMetafile() override;
    void Assign(const TPersistent *source) override;
    bool Empty() const override { return FPicture.isNull(); }
    int Width() const override;
    int Height() const override;
    void SetWidth(int value) { FWidth = value; Changed(); }
    void SetHeight(int value) { FHeight = value; Changed(); }
    QImage ToImage() const override;
    void LoadFromFile(const std::string &fileName) override;
    void SaveToFile(const std::string &fileName) const override;
    void LoadFromFormData(const std::string &bytes) override;
    std::string SaveToFormData() const override;
    void Clear();
    bool Enhanced() const { return FEnhanced; }
    void SetEnhanced(bool value) { FEnhanced = value; }
    // Size in 0.01 mm (at 96 pixels per inch).
    int MMWidth() const { return Width() * 2540 / 96; }
    void SetMMWidth(int value) { SetWidth(value * 96 / 2540); }
    int MMHeight() const { return Height() * 2540 / 96; }
    void SetMMHeight(int value) { SetHeight(value * 96 / 2540); }
    int Inch() const { return FInch; }
    void SetInch(int value) { FInch = value; }
    const std::string &CreatedBy() const { return FCreatedBy; }
    const std::string &Description() const { return FDescription; }
    // Records a drawing: what the canvas draws until EndRecording goes into the metafile.
    TCanvas *BeginRecording(int width, int height);
    void EndRecording();
    QPicture &Picture() { return FPicture; }

private:
    class TRecordingCanvas;
    QPicture FPicture;
    int FWidth = 0, FHeight = 0, FInch = 96;
    bool FEnhanced = true;
    std::string FCreatedBy, FDescription;
    std::unique_ptr<TRecordingCanvas> FRecording;
};
