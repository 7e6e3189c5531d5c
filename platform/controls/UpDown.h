#pragma once
// An up-down (spin) control. Associated with an edit box it keeps the box's text and its position
// together: before each step it takes its position from the number in the box (when that text is a
// whole number within Min..Max, else it keeps its own), then steps by Increment, stops at the ends
// (or wraps round with Wrap) and writes the new position into the box as text, which runs the box's
// OnChange. The Up and Down keys in the box step it too.
#include <cstdint>
#include <functional>

#include "platform/controls/WinControl.h"

class TEdit;

enum class TUDBtnType { btNext, btPrev };
enum class TUDOrientation { udHorizontal, udVertical };

using TUDClickEvent = std::function<void(TObject* Sender, TUDBtnType Button)>;
using TUDChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;

class TUpDown : public TWinControl {
    QUORVEL_CLASS_INFO(TUpDown)
public:
    explicit TUpDown(TComponent* owner);
    ~TUpDown() override;

    std::int32_t Min() const { return min_; }
    void SetMin(std::int32_t value);
    std::int32_t Max() const { return max_; }
    void SetMax(std::int32_t value);
    std::int32_t Increment() const { return increment_; }
    void SetIncrement(std::int32_t value) { increment_ = value; }
    bool Wrap() const { return wrap_; }
    void SetWrap(bool value) { wrap_ = value; }
    bool ArrowKeys() const { return arrowKeys_; }
    void SetArrowKeys(bool value) { arrowKeys_ = value; }
    // Numbers of 1000 and more are written with "," between thousands.
    bool Thousands() const { return thousands_; }
    void SetThousands(bool value) { thousands_ = value; }
    TUDOrientation Orientation() const { return orientation_; }
    void SetOrientation(TUDOrientation value);

    // The position, first taken from the associated box's number when that is valid.
    std::int32_t Position();
    // Clamps to Min..Max and writes the position into the associated box.
    void SetPosition(std::int32_t value);

    TEdit* Associate() const { return associate_; }
    // Attaches the box (taking it from another up-down) and writes the position into it.
    void SetAssociate(TEdit* edit);

    // The user pressed an arrow (or Up/Down in the box): OnChanging may refuse; otherwise the
    // position moves and is written into the box; then OnClick runs.
    void Click(TUDBtnType button);
    using TControl::Click;

    TUDChangingEvent OnChanging;
    TUDClickEvent OnClick;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    // Takes the position from the box's number when that is valid.
    void ReadAssociate();
    void WriteAssociate();
    std::string FormatPosition() const;

    TEdit* associate_ = nullptr;
    std::int32_t min_ = 0;
    std::int32_t max_ = 100;
    std::int32_t position_ = 0;
    std::int32_t increment_ = 1;
    bool wrap_ = false;
    bool arrowKeys_ = true;
    bool thousands_ = true;
    TUDOrientation orientation_ = TUDOrientation::udVertical;
};
