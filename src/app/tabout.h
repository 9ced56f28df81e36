#pragma once
// The splash window TAbout: borderless, centred on the screen, 348 by 327 pixels. It shows
// Velta2lt.jpg of the working folder when the firm keeps one there, filling the window; otherwise
// the program's own picture with its name and version. It stays alive, hidden, until exit.

#include <QPixmap>
#include <QWidget>

namespace velta::app {

inline const QString kSplashPictureFile = QStringLiteral("Velta2lt.jpg");

class TAbout : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 348;
    static constexpr int kHeight = 327;

    explicit TAbout(const QString& workingFolder, QWidget* parent = nullptr);

    // Whether the working folder's picture is shown.
    bool hasPicture() const { return !m_picture.isNull(); }
    // Shows the window centred on the screen and paints it at once, so that it is seen while the
    // rest of the program loads.
    void showCentred();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
};

} // namespace velta::app
