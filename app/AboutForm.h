// The about box and its mail link label.
#pragma once

#include <QDialog>
#include <QLabel>

#include <functional>

// A label that looks and acts like a link: blue, bold and underlined, red under the mouse.
class TVlLinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit TVlLinkLabel(const QString &text, QWidget *parent = nullptr);
    bool Hot() const { return FHot; }

signals:
    void Clicked();

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void SetHot(bool hot);
    bool FHot = false;
};

// "mailto:" and the contact address.
QString ContactMailUrl();

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    // `openUrl` asks the desktop to open a link; whether it could is not checked.
    TAboutBox(std::function<void(const QString &url)> openUrl, QWidget *parent = nullptr);

    TVlLinkLabel *LinkLabel() const { return FLink; }

private:
    TVlLinkLabel *FLink;
};
