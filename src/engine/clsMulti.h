#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "engine/MultiTypes.h"
#include "engine/Signal.h"
#include "engine/clsDrawMultiMenu.h"

namespace brenvik {

class OwnerWindow;
class clsResult;

// A multi: the marks of one round's prediction (selection mode 0) or of its result
// (selection mode 1), the editing operations the mark sheet calls, and the events that tell
// the owner about every change.
//
// The sheet view subscribes to Redraw (raised first, to refresh the cell pictures) and wires
// the role popup through PopupMenu; the owner subscribes to SelectChange and PatternChange.
class clsMulti {
  public:
    // Shows the role popup modally; returns the chosen role 1..3, or 0 when it was closed
    // without a choice.
    using RoleMenuPresenter = std::function<uint8_t(const RoleMenuState&)>;

    // Raised before SelectChange each time the marks were set or edited.
    Signal<> Redraw;
    // After every change (and every click or replacement, even one that leaves the marks).
    Signal<> SelectChange;
    // After SelectChange, when the pattern list must be rebuilt.
    Signal<> PatternChange;
    // Before the result download of the download button: the subscriber sets whether the
    // user is asked before connecting.
    Signal<bool&> DloadClickBefore;
    // After a downloaded result was placed into the marks.
    Signal<> DloadClick;

    clsMulti();
    ~clsMulti();
    clsMulti(const clsMulti&) = delete;
    clsMulti& operator=(const clsMulti&) = delete;

    static MultiSummary Summary(const MultiMarks& marks);
    // Singles, doubles or triples differ; Unmarked and Combinations are not compared.
    static bool ShapeDiffers(const MultiSummary& a, const MultiSummary& b);

    MultiSummary Summary() const { return Summary(marks_); }

    void SelectMode(int32_t lngMode) { selectMode_ = lngMode; }
    int32_t SelectMode() const { return selectMode_; }
    void PopupMenu(RoleMenuPresenter presenter) { roleMenu_ = std::move(presenter); }

    // Marks every unmarked match with one plain mark drawn at random.
    void Random();
    void Clear();
    void SetMarks(const MultiMarks& marks);
    MultiMarks GetMarks() const { return marks_; }
    // lotResults[1..13]: 1 home, 0 draw, 2 away, 3 void (all three cells); others leave the
    // match unmarked.
    void SetResult(const std::array<uint8_t, 14>& lotResults);

    // The window that owns the result store's downloads (the sheet's parent form).
    void OwnerForm(OwnerWindow* objOwnerForm);

    // The hand-made result marks of the current round, kept in SysData/Temp as
    // Brenvik_Result_NNN.dat until the official result is cached. SaveResultUser: true when
    // the official result is not cached (the marks, if any, were written); false with no
    // round, with the result cached, or when the write failed (reported).
    bool SaveResultUser();
    // Without a cached official result: the kept marks, or no marks when none are kept; true
    // when the marks were replaced so.
    bool LoadResultUser();
    // "Brenvik_Result_" + round (at least three digits) + ".dat" in SysData/Temp.
    static std::string ResultUserFileName(int32_t lngRound);

    // Handlers of the sheet view's events.
    // outcome: code of the clicked column (1 home, 0 draw, 2 away); match 1..13; button
    // MouseLeft or MouseRight (others do nothing). Reads the MarkLeft setting.
    void cMulti_MouseDown(int32_t intOutcome, int32_t intMatch, int32_t intButton,
                          int32_t intShift);
    void cMulti_RandomClick() { Random(); }
    void cMulti_CancelClick() { Clear(); }
    // The result of the current round from the cache or by download, into the marks.
    void cMulti_DloadClick();
    void cMulti_DividendClick() {}

  private:
    void replaceMarks(const MultiMarks& marks);
    clsResult& result();
    bool officialResultCached(int32_t round);
    void click(int32_t outcome, int32_t match, int32_t button, bool markLeft);

    MultiMarks marks_{};
    int32_t selectMode_ = 0;
    RoleMenuPresenter roleMenu_;
    clsDrawMultiMenu menu_;
    OwnerWindow* owner_ = nullptr;
    std::unique_ptr<clsResult> result_;  // made at its first use
};

}  // namespace brenvik
