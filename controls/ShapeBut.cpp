#include "controls/ShapeBut.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

// The caption of a disabled button.
const QColor DisabledCaptionColor(0x80, 0x80, 0x80);

// Shows the hourglass for as long as it lives, also if the build throws.
class WaitCursor
{
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

QImage AsRgb32(const QImage& image)
{
    return image.isNull() ? QImage() : image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

TShapeButton::TShapeButton(QWidget* parent) : QWidget(parent)
{
    // The button paints only its faces; everything else is the parent's.
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    // Moves without a pressed button are needed to switch the cursor between
    // the shape and the transparent parts.
    setMouseTracking(true);
    resize(70, 70);
}

void TShapeButton::SetPicture(const QImage& picture)
{
    FPicture = AsRgb32(picture);
    FKeyColor = ShapeFaces::KeyColor(FPicture);
    BuildFaces();
    // Stored faces may now be drawn against a different key colour.
    RefreshMasks();
    updateGeometry();
    update();
}

void TShapeButton::SetPictureUp(const QImage& face)
{
    FPictureUp = AsRgb32(face);
    RefreshMasks();
    update();
}

void TShapeButton::SetPictureDown(const QImage& face)
{
    FPictureDown = AsRgb32(face);
    RefreshMasks();
    update();
}

void TShapeButton::SetPictureDisabled(const QImage& face)
{
    FPictureDisabled = AsRgb32(face);
    RefreshMasks();
    update();
}

void TShapeButton::SetBevelWidth(int width)
{
    if (width < 0 || width > 2) {
        width = 2;
    }
    if (width == FBevelWidth) {
        return;
    }
    FBevelWidth = width;
    BuildFaces();
}

void TShapeButton::SetSemiTransparent(bool on)
{
    if (on == FSemiTransparent) {
        return;
    }
    FSemiTransparent = on;
    BuildFaces();
}

void TShapeButton::SetSemiTransparentColor(const QColor& color)
{
    FSemiTransparentColor = color;
}

void TShapeButton::SetGlassColor(const QColor& color)
{
    if (color == FGlassColor) {
        return;
    }
    FGlassColor = color;
    if (FSemiTransparent) {
        BuildFaces();
    }
}

void TShapeButton::SetCaption(const QString& caption)
{
    if (caption == FCaption) {
        return;
    }
    FCaption = caption;
    update();
}

void TShapeButton::SetFontColor(const QColor& color)
{
    if (color == FFontColor) {
        return;
    }
    FFontColor = color;
    update();
}

bool TShapeButton::IsOutside(QPoint point) const
{
    const int x = point.x();
    const int y = point.y();
    if (x >= FPicture.width() - 1 || y > FPicture.height() - 1 || x < 1 || y < 1) {
        return true;
    }
    // Without a pressed face there is no shape to hit.
    if (!FPictureDown.valid(x, y) || !FPictureDown.valid(x + 1, y)) {
        return true;
    }
    return ShapeFaces::SameColor(FPictureDown.pixel(x, y), FKeyColor) &&
           ShapeFaces::SameColor(FPictureDown.pixel(x + 1, y), FKeyColor);
}

QSize TShapeButton::sizeHint() const
{
    return FPicture.isNull() ? QSize(70, 70) : FPicture.size();
}

void TShapeButton::BuildFaces()
{
    if (!ShapeFaces::CanShape(FPicture) || FBevelWidth == 0) {
        return;
    }
    ShapeFaces::Faces faces;
    {
        const WaitCursor hourglass;
        FKeyColor = ShapeFaces::KeyColor(FPicture);
        ShapeFaces::Options options;
        options.BevelWidth = FBevelWidth;
        options.SemiTransparent = FSemiTransparent;
        options.SemiTransparentColor = FSemiTransparentColor.rgb();
        options.GlassColor = FGlassColor.rgb();
        faces = ShapeFaces::Build(FPicture, options);
    }
    FPictureUp = faces.Up;
    FPictureDown = faces.Down;
    FPictureDisabled = faces.Disabled;
    resize(FPicture.size());
    RefreshMasks();
    update();
}

void TShapeButton::RefreshMasks()
{
    FMaskedUp = ShapeFaces::Masked(FPictureUp, FKeyColor);
    FMaskedDown = ShapeFaces::Masked(FPictureDown, FKeyColor);
    FMaskedDisabled = ShapeFaces::Masked(FPictureDisabled, FKeyColor);
}

void TShapeButton::SetDown(bool down)
{
    if (down == FDown) {
        return;
    }
    FDown = down;
    update();
}

void TShapeButton::ShowCursor(bool parentCursor)
{
    FShowingParentCursor = parentCursor;
    if (parentCursor) {
        setCursor(FParentCursor);
    } else if (FOwnCursorSet) {
        setCursor(FOwnCursor);
    } else {
        unsetCursor();
    }
}

QList<TShapeButton*> TShapeButton::ShapedSiblings()
{
    if (parentWidget() == nullptr) {
        return {this};
    }
    return parentWidget()->findChildren<TShapeButton*>(QString(), Qt::FindDirectChildrenOnly);
}

void TShapeButton::paintEvent(QPaintEvent* /*event*/)
{
    // A button is no target only for the moment it hands an event on; the
    // repaints that asks for come once it is one again.
    if (!FForwardTarget || FPicture.isNull()) {
        return;
    }
    const bool enabled = isEnabled();
    const QImage* face = &FMaskedUp;
    if (!enabled) {
        if (!FMaskedDisabled.isNull()) {
            face = &FMaskedDisabled;
        }
    } else if (FDown) {
        face = &FMaskedDown;
    }

    QPainter painter(this);
    if (!face->isNull()) {
        painter.drawImage(0, 0, *face);
    }

    QString text = FCaption;
    if (text.endsWith(QLatin1Char('|'))) {
        text.chop(1);
    }
    if (text.isEmpty()) {
        return;
    }
    QRect area = rect();
    if (enabled && FDown && FBevelWidth > 0) {
        area.translate(1, 1);
    }
    painter.setFont(font());
    painter.setPen(enabled ? FFontColor : DisabledCaptionColor);
    painter.drawText(area, Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic, text);
}

void TShapeButton::mousePressEvent(QMouseEvent* event)
{
    HandleMouseDown(event->button(), event->modifiers(), event->position().toPoint());
    event->accept();
}

void TShapeButton::mouseReleaseEvent(QMouseEvent* event)
{
    ButtonList siblings;
    for (TShapeButton* sibling : ShapedSiblings()) {
        siblings.append(sibling);
    }
    ButtonList clicks;
    HandleMouseUp(event->button(), event->modifiers(), event->position().toPoint(), clicks);
    if (event->button() == Qt::LeftButton) {
        // The press has ended wherever the release landed: no button of the
        // parent may stay shown pressed, also not one that lost the mouse
        // while a neighbour had it.
        for (const QPointer<TShapeButton>& sibling : std::as_const(siblings)) {
            if (sibling) {
                sibling->SetDown(false);
            }
        }
    }
    for (const QPointer<TShapeButton>& button : std::as_const(clicks)) {
        if (button) {
            Q_EMIT button->clicked();
        }
    }
    event->accept();
}

void TShapeButton::mouseMoveEvent(QMouseEvent* event)
{
    HandleMouseMove(event->buttons(), event->modifiers(), event->position().toPoint());
    event->accept();
}

void TShapeButton::enterEvent(QEnterEvent* event)
{
    FOwnCursorSet = testAttribute(Qt::WA_SetCursor);
    FOwnCursor = cursor();
    FParentCursor = parentWidget() != nullptr ? parentWidget()->cursor() : QCursor();
    FMouseInside = true;
    ShowCursor(true);
    QWidget::enterEvent(event);
}

void TShapeButton::leaveEvent(QEvent* event)
{
    if (FMouseInside) {
        ShowCursor(false);
    }
    FMouseInside = false;
    QWidget::leaveEvent(event);
}

void TShapeButton::changeEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::EnabledChange:
        // A disabled button lets the mouse through to whatever lies beneath,
        // like a disabled control that the parent skips when it looks for the
        // control under the mouse.
        setAttribute(Qt::WA_TransparentForMouseEvents, !isEnabled());
        if (!isEnabled()) {
            FDown = false;
            FTracking = false;
            // No leave event will follow once the mouse passes through.
            if (FMouseInside) {
                ShowCursor(false);
                FMouseInside = false;
            }
        }
        update();
        break;
    case QEvent::FontChange:
        update();
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

void TShapeButton::HandleMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                                   QPoint pos)
{
    const bool outside = IsOutside(pos);
    if (button == Qt::LeftButton && !outside) {
        FTracking = true;
        FDown = true;
        update();
    }
    const QPointer<TShapeButton> self(this);
    Q_EMIT mouseDown(button, modifiers, pos);
    if (self && outside) {
        HandOn(pos, [&](TShapeButton& target, QPoint targetPos) {
            target.HandleMouseDown(button, modifiers, targetPos);
        });
    }
}

void TShapeButton::HandleMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                                 QPoint pos, ButtonList& clicks)
{
    const bool outside = IsOutside(pos);
    if (button == Qt::LeftButton) {
        for (TShapeButton* sibling : ShapedSiblings()) {
            sibling->FTracking = false;
        }
        if (!outside) {
            const bool wasDown = FDown;
            FDown = false;
            update();
            if (wasDown) {
                clicks.append(this);
            }
        }
    }
    const QPointer<TShapeButton> self(this);
    Q_EMIT mouseUp(button, modifiers, pos);
    if (self && outside) {
        HandOn(pos, [&](TShapeButton& target, QPoint targetPos) {
            target.HandleMouseUp(button, modifiers, targetPos, clicks);
        });
    }
}

void TShapeButton::HandleMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers,
                                   QPoint pos)
{
    const bool outside = IsOutside(pos);
    if (FMouseInside && outside != FShowingParentCursor) {
        ShowCursor(outside);
    }
    if (FTracking) {
        SetDown(!outside);
    }
    const QPointer<TShapeButton> self(this);
    Q_EMIT mouseMoved(buttons, modifiers, pos);
    if (self && outside && (buttons.testFlag(Qt::LeftButton) || FTracking)) {
        HandOn(pos, [&](TShapeButton& target, QPoint targetPos) {
            target.HandleMouseMove(buttons, modifiers, targetPos);
        });
    }
}

template <typename Deliver> void TShapeButton::HandOn(QPoint pos, Deliver deliver)
{
    if (!FMayForward) {
        return;
    }
    struct Saved
    {
        QPointer<TShapeButton> Button;
        bool MayForward;
    };
    // No button may pass the event on again while it is being handed on, and
    // the sender does not take it back: one level, and each button once.
    QList<Saved> saved;
    for (TShapeButton* sibling : ShapedSiblings()) {
        saved.append({sibling, sibling->FMayForward});
        sibling->FMayForward = false;
    }
    const bool ownForwardTarget = FForwardTarget;
    FForwardTarget = false;

    const QPointer<TShapeButton> self(this);
    const QPoint origin = this->pos();
    QWidget* const parent = parentWidget();
    for (const Saved& entry : std::as_const(saved)) {
        TShapeButton* target = entry.Button.data();
        if (target == nullptr || target == this || !target->FForwardTarget ||
            !target->isEnabled() || !target->isVisibleTo(parent)) {
            continue;
        }
        deliver(*target, pos + origin - target->pos());
    }

    for (const Saved& entry : std::as_const(saved)) {
        if (TShapeButton* button = entry.Button.data(); button != nullptr) {
            button->FMayForward = entry.MayForward;
        }
    }
    if (self) {
        FForwardTarget = ownForwardTarget;
    }
}
