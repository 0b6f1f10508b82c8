#pragma once

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <array>

#include "play/game.h"
#include "play/platform.h"

/// The caption above the preview, e.g. "Hole 1 - Basic  (par: 2)".
QString PreviewCaption(int number, const Hole& hole);

/// The course dialog: the number of holes, their order and a hand-picked selection, with a
/// turning preview of a selected hole. Writes the course settings only on OK.
class TForm4 : public QDialog {
    Q_OBJECT

public:
    /// Refusals go to `prompt`; the settings and the preview's hole live in `game`.
    TForm4(Game& game, Prompt& prompt, QWidget* parent = nullptr);

    /// Loads the controls from the stored settings, as the Course command does before showing.
    void LoadSettings();

    /// What has been drawn straight onto the dialog (caption strip and preview); transparent
    /// where the controls show through.
    const QImage& Canvas() const { return canvas_; }
    /// The 200 x 140 off-screen picture the preview is drawn into; blank between ticks.
    const QImage& PreviewBitmap() const { return previewBitmap_; }

    /// One preview tick: turns the view by 2 degrees and draws the hole.
    void Timer1Timer();

    QGroupBox* RadioGroup1 = nullptr;
    QButtonGroup* RadioGroup1Items = nullptr;
    QGroupBox* RadioGroup2 = nullptr;
    QButtonGroup* RadioGroup2Items = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    std::array<QCheckBox*, kHoleCount + 1> CheckBox{};  ///< boxes 1..36; entry 0 unused
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    std::array<QLabel*, 7> Image{};  ///< pictures 1..6; entry 0 unused
    QTimer* Timer1 = nullptr;

    /// Runs for every close: OK, Cancel, the close box and Escape.
    void done(int result) override;

protected:
    bool event(QEvent* event) override;

private:
    void FormCreate();
    void ShowPreviewCaption(int x0, int hole);
    /// Draws the loaded hole into the preview bitmap, copies it onto the dialog at
    /// (175, 15) and blanks the bitmap again.
    void DrawPreview();
    /// Copies the preview bitmap onto the dialog with its top left corner at (x, y).
    void CopyPreviewTo(int x, int y);
    /// Blanks the preview bitmap in the button-face colour.
    void ClearPreviewBitmap();
    void RadioGroup1Click();
    void HoleCheckClick(int box);
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void FormClose();
    void FillCanvas(const QRect& rect);
    void ShowHole(int hole);

    Game& game_;
    Prompt& prompt_;
    QWidget* canvasView_ = nullptr;
    QImage canvas_;
    QImage previewBitmap_;
    QColor buttonFace_;
    int previousCountMode_ = kAllHoles;
};
