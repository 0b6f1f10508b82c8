#include "app/center_on_main_form.h"

void CenterOnMainForm(QWidget& window, const QWidget& mainForm) {
    const QRect main = mainForm.frameGeometry();
    QRect own = window.frameGeometry();
    // A window never shown has no frame yet; it will get one like the main form's.
    if (own == window.geometry()) {
        const QRect inner = mainForm.geometry();
        own = own.marginsAdded(QMargins(inner.left() - main.left(), inner.top() - main.top(),
                                        main.right() - inner.right(),
                                        main.bottom() - inner.bottom()));
    }
    // Integer division truncates toward zero, as the placement rule asks.
    window.move(main.left() + (main.width() - own.width()) / 2,
                main.top() + (main.height() - own.height()) / 2);
}
