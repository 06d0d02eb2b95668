// TVlDesignPanel: a panel that owns a design surface, is its container and draws alignment rules.
#pragma once

#include "VlDesignSurface.h"

#include <functional>
#include <string>

class QPainter;

class TVlDesignPanel : public TWinControl {
    VL_CLASS(TVlDesignPanel)
    explicit TVlDesignPanel(TComponent *owner = nullptr);
    ~TVlDesignPanel() override;

    TVlDesignSurface *Surface() const { return FSurface; }
    bool AcceptsControls() const override { return true; }

    // Rules over the client area while the surface is active; setting it repaints.
    bool DrawRules() const { return FDrawRules; }
    void SetDrawRules(bool value);
    // Painted after the panel and its rules, while the surface is active.
    std::function<void(TVlDesignPanel &sender, QPainter &painter)> OnPaint;

    // The surface's flag and operations.
    bool Active() const { return FSurface->Active(); }
    void SetActive(bool value) { FSurface->SetActive(value); }
    void ClearForm() { FSurface->ClearForm(); }
    void SaveForm(const std::string &fileName) { FSurface->SaveForm(fileName); }
    void LoadForm(const std::string &fileName) { FSurface->LoadForm(fileName); }

    // The panel's geometry belongs to the window it is laid out in: bounds follow the widget.
    void SetBounds(int left, int top, int width, int height) override;

protected:
    void ApplyVisible() override;
    bool GeometryFromWidget() const override { return true; }

private:
    void Paint(QWidget *widget);
    TVlDesignSurface *FSurface;
    bool FDrawRules = true;
};
