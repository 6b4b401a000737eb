// The sketch of the chosen core kind, with its dimension letters, at the top left of
// the main window.
#pragma once

#include <QWidget>
#include <array>
#include <memory>

#include "core_shape.hpp"

class QSvgRenderer;

namespace velmora::ui {

inline constexpr int kPictureWidth = 177;
inline constexpr int kPictureHeight = 130;

class CorePicture : public QWidget {
    Q_OBJECT
public:
    explicit CorePicture(QWidget* parent = nullptr);
    ~CorePicture() override;

    void setCore(int core);  // the record's kind; a number that names none leaves it empty
    int core() const { return core_; }
    bool hasPicture(int core) const;  // the sketch of that kind could be read

    QSize sizeHint() const override { return {kPictureWidth, kPictureHeight}; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int core_ = -1;
    std::array<std::unique_ptr<QSvgRenderer>, kCoreKindCount> sketches_;  // in kind order
};

}  // namespace velmora::ui
