// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// The board the audience sees and the operator drives from the keyboard: event name,
// gymnast number, name and team, the score, three clocks with their displays, the home and
// visitor pictures, the buzzer and the 50 ms refresh.

#include "platform/forms/Form.h"
#include "platform/core/Values.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace tallyard {

struct BoardState;
struct ElementDesign;
class Image;
class MMControl;
class PictureBox;
class Shape;
class TextBox;
class TimerControl;

class frmScoreboard : public Form {
    Q_OBJECT

public:
    explicit frmScoreboard(QWidget *parent = nullptr);
    // The board's design, for a copy of its face (the audience window), and its inner size.
    static std::span<const ElementDesign> designTable();
    static constexpr double DesignScaleWidth = 9480;
    static constexpr double DesignScaleHeight = 6795;
    // The highest score, 19.999, and the gymnast numbers an entry may give (-1 shows none).
    static Currency ScoreMaximum() { return Currency::fromRaw(199990); }
    static constexpr qint16 GymnastNumberLowest = -1;
    static constexpr qint16 GymnastNumberHighest = 9999;

    // The board's public procedures.
    void UpdateFormColors();
    void UpdateLabels();
    void UpdateNumLock();
    // Frames the element with the selection outline; nullptr hides the outline.
    void ObjectSelected(QObject *SelectedObject);
    void Buzzer();
    void RefreshTime();
    void AllKeyCode(qint16 KeyCode);
    // What the command keys do, for the keys and every other input alike: the Routine clock
    // started or stopped (the Fall clock back to its preset), the Routine and Fall clocks
    // swapped while one runs, the Warm-Up clock started or stopped, the board reset for the
    // next gymnast; a score or a gymnast number committed as the entry commits it.
    void RoutineStartStop();
    void FallSwap();
    void WarmUpStartStop();
    void NextGymnastReset();
    void CommitScore(Currency score);
    void CommitGymnastNumber(qint16 number);
    void ClearGymnastNumber();
    void AllKeyUp(qint16 KeyCode, qint16 Shift);
    qint16 KeyCodeToAsci(qint16 KeyCode) const;

    // The element handlers the key routing uses (public so that the routing is testable).
    void tledKeyDown(Control *display, qint16 &KeyCode, qint16 &Shift);
    void nledScoreLeft_KeyDown(qint16 &KeyCode, qint16 &Shift);
    void nledScoreLeft_KeyUp(qint16 KeyCode, qint16 &Shift);
    void nledGymnastNum_KeyDown(qint16 &KeyCode, qint16 &Shift);

    // What the record of the meet and the start list ask of the board: the gymnast shown
    // (number, name, team, and where a home picture is given, that picture, or none when it
    // is empty or not there), the score cleared as the clear key clears it, and the board
    // brought back to a state it showed (texts, number, score, the clocks running on from
    // then to nowMs, presets, pictures).
    void ShowGymnast(qint16 number, const QString &name, const QString &team,
                     const std::optional<QString> &homePicture = std::nullopt);
    void ClearScore();
    void RestoreState(const BoardState &state, int64_t nowMs);
    // What the board shows now, its clocks read now.
    BoardState State();
    // Whether a text box shows its design caption ("Name", "Group" in the board's language)
    // rather than anything the operator or a list put there.
    bool ShowsPlaceholder(const TextBox *box) const;

    // The buzzer latches: the buzzer has sounded since that clock last read above 5 s.
    bool RoutineBuzzed = false;
    bool FallBuzzed = false;
    bool WarmUpBuzzed = false;
    // How many times the buzzer was asked to sound (tests and the end-to-end check).
    int buzzCount() const { return m_buzzCount; }

    // The board's elements: its own intrinsics by their classes; the LED displays and the
    // clocks, which come from outside by ProgID, as plain controls reached late-bound.
    TextBox *txtEvent = nullptr;
    Control *nledGymnastNum = nullptr;
    TextBox *txtGymnastName = nullptr;
    TextBox *txtGymnastTeam = nullptr;
    Control *nledScoreLeft = nullptr;
    Control *nledScoreRight = nullptr;
    Control *tledRoutine = nullptr;
    Control *tledFall = nullptr;
    Control *tledWarmUp = nullptr;
    PictureBox *picScoreBack = nullptr;
    PictureBox *picHomePicContainer = nullptr;
    PictureBox *picVisitorPicContainer = nullptr;
    Image *imgHomePic = nullptr;
    Image *imgVisitorPic = nullptr;
    Shape *shpScore = nullptr;
    Shape *shpObjectSelected = nullptr;
    Control *tkRoutine = nullptr;
    Control *tkFall = nullptr;
    Control *tkWarmUp = nullptr;
    MMControl *mmcBuzzer = nullptr;
    TimerControl *tmrClock1 = nullptr;

signals:
    // A score committed with Enter on the score; a gymnast number committed on its display.
    void ScoreCommitted(tallyard::Currency score);
    void GymnastNumberCommitted(qint16 number);
    // A key that is no command of the board, after the command keys had their turn.
    void OtherKey(qint16 KeyCode);
    // A local file dropped on the board (accepted only while somebody listens).
    void FileDropped(const QString &path);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void Form_Load();
    void connectHandlers();
    enum class BuzzerOpening { AtLoad, AfterOptions };
    void openBuzzer(BuzzerOpening when);
    void queueTab();
    void deliverQueuedTab();
    void mmcBuzzer_Done();
    // What the board shows, with the clock values the refresh has just shown.
    BoardState captureState(const std::array<double, 3> &seconds, int64_t takenAtMs) const;

    struct ClockRow {
        Control *clock;
        Control *display;
        qint16 *preset;
        int32_t limit;
        bool *buzzed;
    };
    ClockRow rowOf(const Control *display);

    // Whether what the board shows may have changed since its state was last made.
    bool m_stateTouched = true;
    int m_untouchedTicks = 0;
    static constexpr int UntouchedTicksPerCapture = 20; // a second of refreshes
    QString m_namePlaceholder;
    QString m_teamPlaceholder;
    int m_buzzCount = 0;
    bool m_resetting = false;
    bool m_tabQueued = false;
};

} // namespace tallyard
