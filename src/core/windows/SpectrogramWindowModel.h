#pragma once
// The spectrogram window ("FFT Quorbel - Spectrogram"): the levels of a whole sound
// file in time and frequency, opened from the raw file window for the file it shows.
// The file is analysed in slices (AnalyseSlice), so the window answers the pointer
// and its switches while a long file is still being read; the picture fills in from
// the left and the progress bar follows.
#include <memory>
#include <optional>
#include <string>

#include "platform/Platform.h"
#include "rawfile/SoundFile.h"
#include "spectrogram/Spectrogram.h"
#include "spectrogram/SpectrogramGraph.h"
#include "surface/Surface.h"
#include "windows/Window.h"
#include "worksheet/Worksheet.h"

namespace quorbel {

// The window's client area and its picture, twips.
inline constexpr double kSpectrogramFormWidth = 11400, kSpectrogramFormHeight = 7350;
inline constexpr double kSpectrogramGraphWidth = 11160, kSpectrogramGraphHeight = 5960;

ViewState SpectrogramWindowInitialView();
// The keyboard cursor's line over the picture.
inline constexpr const char* kSpectrogramKeyCursor = "Picture1Cursor";

class SpectrogramWindowModel : public TableWindow<SpectrogramWindowModel> {
  public:
    // `picture` is the window's graph (Picture1), kSpectrogramGraphWidth x
    // kSpectrogramGraphHeight twips.
    SpectrogramWindowModel(Platform& platform, Surface& picture);
    static const ControlTable<SpectrogramWindowModel>& Table();

    // Shows the window for `path` (a ".raw" file at rawRate hertz, other files at
    // their own rate, the channel `channels` picks) and starts its analysis with the
    // frame and hop typed. False, after a message, when the file has no spectrogram.
    bool Open(const std::string& path, ChannelChoice channels, double rawRate);
    // Analyses the next slice of the file (some tens of milliseconds) and draws what
    // it adds; a view calls it while Analysing().
    void AnalyseSlice();
    bool Analysing() const { return spectrogram_ && !spectrogram_->Done(); }
    // The analysis shown, or nullptr.
    const Spectrogram* Shown() const { return spectrogram_.get(); }
    const SpectrogramLayout& Layout() const { return layout_; }
    // A stretch of time is shown rather than the whole sound.
    bool Zoomed() const { return zoomFirst_ < zoomEnd_; }
    Surface& Picture() { return picture_; }

    // The texts of the frame and hop boxes, as typed.
    const std::string& FrameText() const { return frameText_; }
    const std::string& HopText() const { return hopText_; }
    // A new frame brings the hop along while it is a quarter of the old frame.
    void TypeFrame(const std::string& text);
    void TypeHop(const std::string& text) { hopText_ = text; }

    // "Export PNG" for a worksheet (the main window's "Export", "for a worksheet"):
    // the cells framed by the worksheet layer with time and frequency axes, a title
    // and the colour legend in dB.
    void SetWorksheetStyle(bool on) { worksheetStyle_ = on; }
    WorksheetPicture Worksheet() const;

  private:
    void Form_Unload();  // closing stops the analysis and lets its picture go
    // The read-out of time, frequency, note and level under the pointer; a drag with
    // the left button marks the stretch of time to zoom into when it is let go.
    void Picture1_MouseDown(int button, int shift, double x, double y);
    void Picture1_MouseMove(int button, int shift, double x, double y);
    void Picture1_MouseUp(int button, int shift, double x, double y);
    // The keyboard on the picture (GraphKeys.h): the cursor moves a column of the
    // picture at a time with the read-out of a pointer there; Enter marks one end of a
    // stretch and then the other, which zooms into it; Escape drops an end half set,
    // or shows the whole sound again.
    void Picture1_KeyPress(int key, int shift);
    void Command3_Click();  // "Whole sound": back from a zoom
    // Zooms into the columns between x1 and x2 (twips, either order).
    void ZoomBetween(double x1, double x2);
    // The layout of the shown stretch on a surface of that size.
    SpectrogramLayout LayoutFor(double width, double height) const;
    void ShowZoomMarks(std::optional<double> from, std::optional<double> to);
    void Option1_Click() { ChooseAxis(SpectrogramAxis::linear); }   // "Linear frequency"
    void Option2_Click() { ChooseAxis(SpectrogramAxis::musical); }  // "Musical (keyboard)"
    void Command1_Click();  // "Export PNG": the picture as shown, to a file
    void Command2_Click();  // "Analyse": the same file again with the frame and hop typed

    void ChooseAxis(SpectrogramAxis axis);
    // The frame and hop typed, or nothing after a message saying what is wrong.
    std::optional<StftSettings> TypedSettings();
    bool Start();
    void Draw(Surface& pic);
    void ShowProgress();
    std::string Description() const;

    Platform& platform_;
    Surface& picture_;
    std::string frameText_ = std::to_string(kDefaultStftFrame);
    std::string hopText_ = std::to_string(kDefaultStftFrame / 4);
    std::string path_;
    ChannelChoice channels_ = ChannelChoice::first;
    double rawRate_ = 0;
    SpectrogramAxis axis_ = SpectrogramAxis::linear;
    std::unique_ptr<Spectrogram> spectrogram_;
    SpectrogramLayout layout_;
    // The grid's columns shown by a zoom (none when equal), and where a drag or the
    // keyboard started marking a stretch, twips.
    int zoomFirst_ = 0, zoomEnd_ = 0;
    std::optional<double> dragFrom_, keyFrom_;
    bool worksheetStyle_ = false;
};

}  // namespace quorbel
