#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <functional>

/// The main window's status bar: nine fixed-width panels, panel 0 centred, panel 1 drawn
/// by its owner through a callback, the others plain text.
class StatusBar : public QWidget {
public:
    static constexpr int kPanelCount = 9;
    static constexpr int kHeight = 19;
    static constexpr std::array<int, kPanelCount> kPanelWidths = {20, 20, 130, 120, 40,
                                                                  40, 60, 60,  150};

    using DrawPanel = std::function<void(QPainter&, const QRect&)>;

    explicit StatusBar(QWidget* parent = nullptr);

    void SetPanelText(int panel, const QString& text);
    QString PanelText(int panel) const;
    /// The rectangle of a panel's content, inside its sunken border.
    QRect PanelRect(int panel) const;
    void SetOwnerDraw(DrawPanel draw) { drawPanel_ = std::move(draw); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<QString, kPanelCount> texts_;
    DrawPanel drawPanel_;
};
