#include "nmr/NmrFid.h"

#include <bit>
#include <cmath>

#include "nmr/GroupDelay.h"
#include "platform/Translation.h"
#include "state/NumberText.h"

namespace quorbel::nmr {

namespace {

bool Positive(const std::optional<double>& value) {
    return value && std::isfinite(*value) && *value > 0;
}

double ValueOr(const std::optional<double>& value, double fallback) {
    return value && std::isfinite(*value) ? *value : fallback;
}

// The smallest power of two holding `points`, within the program's largest spectrum.
int PowerOfTwoAtLeast(double points) {
    if (!(points >= 1)) return 1;
    if (points >= kMaxSpectrumSize) return kMaxSpectrumSize;
    return static_cast<int>(std::bit_ceil(static_cast<unsigned>(std::ceil(points))));
}

// The group delay: stored by newer firmware (GRPDLY, -1 when absent), none for the
// analogue filter (DIGMOD 0), the published table for the older digital filters.
std::optional<double> GroupDelayOf(const Labels& labels) {
    const std::optional<double> stored = LabelNumber(labels, "$GRPDLY");
    // A delay beyond any filter's (a few thousand points at most) is damage, not a delay.
    if (stored && std::isfinite(*stored) && *stored >= 0)
        return *stored < 1e5 ? std::optional<double>(*stored) : std::nullopt;
    const std::optional<double> digmod = LabelNumber(labels, "$DIGMOD");
    if (!digmod || *digmod == 0) return 0.0;
    const std::optional<double> dspfvs = LabelNumber(labels, "$DSPFVS");
    const std::optional<double> decim = LabelNumber(labels, "$DECIM");
    if (!dspfvs || !decim || std::abs(*dspfvs) > 1e6 || std::abs(*decim) > 1e9) return std::nullopt;
    return TableGroupDelay(static_cast<int>(*dspfvs), static_cast<int>(*decim));
}

// Processing parameters as stored, or as the instrument would start without them.
void ReadProcessing(const Labels& acquisition, const Labels* processing, int complexPoints,
                    double sweepHz, Processing& p) {
    const double bf1 = ValueOr(LabelNumber(acquisition, "$BF1"), 0.0);
    if (processing == nullptr) {
        p.size = PowerOfTwoAtLeast(complexPoints);
        p.sf = bf1;
        p.offsetPpm = (ValueOr(LabelNumber(acquisition, "$O1"), 0.0) + sweepHz / 2) / p.sf;
        return;
    }
    const Labels& q = *processing;
    const double si = ValueOr(LabelNumber(q, "$SI"), complexPoints);
    p.size = PowerOfTwoAtLeast(si);
    // Compared as read: a damaged file may hold any number there.
    const double wdw = ValueOr(LabelNumber(q, "$WDW"), 0.0);
    p.window = wdw == 1 ? Window::exponential : wdw == 2 ? Window::gaussian : Window::none;
    p.lb = ValueOr(LabelNumber(q, "$LB"), 0.0);
    p.gb = ValueOr(LabelNumber(q, "$GB"), 0.0);
    p.phc0 = ValueOr(LabelNumber(q, "$PHC0"), 0.0);
    p.phc1 = ValueOr(LabelNumber(q, "$PHC1"), 0.0);
    const std::optional<double> sf = LabelNumber(q, "$SF");
    p.sf = Positive(sf) ? *sf : bf1;
    const std::optional<double> offset = LabelNumber(q, "$OFFSET");
    p.offsetPpm = offset && std::isfinite(*offset)
                      ? *offset
                      : (ValueOr(LabelNumber(acquisition, "$O1"), 0.0) + sweepHz / 2) / p.sf;
}

}  // namespace

std::optional<std::string> ReadParameters(const Labels& acquisition, const Labels* processing,
                                          int complexPoints, Fid& fid) {
    const std::optional<double> aqMod = LabelNumber(acquisition, "$AQ_MOD");
    if (aqMod && *aqMod != 1 && *aqMod != 3)
        return FillIn(
            Translate("Messages", "Quadrature mode AQ_mod %1 is not supported (only 1 and 3)."),
            {NumberText(*aqMod)});
    const std::optional<double> sweep = LabelNumber(acquisition, "$SW_H");
    // Widths and frequencies far outside any spectrometer's would only overflow the axis.
    if (!Positive(sweep) || *sweep < 1e-3 || *sweep > 1e9)
        return Translate("Messages", "The spectral width SW_h is missing.");
    fid.sweepHz = *sweep;
    const std::optional<double> delay = GroupDelayOf(acquisition);
    if (!delay)
        return Translate("Messages",
                         "The digital filter's delay is unknown (no GRPDLY, DSPFVS, DECIM).");
    fid.groupDelay = *delay;
    ReadProcessing(acquisition, processing, complexPoints, fid.sweepHz, fid.stored);
    if (!(fid.stored.sf > 1e-3) || !(fid.stored.sf < 1e5) || !std::isfinite(fid.stored.offsetPpm))
        return Translate("Messages", "The spectrometer frequency (SF or BF1) is missing.");
    fid.labels = acquisition;
    if (processing != nullptr && processing != &acquisition)
        fid.labels.insert(processing->begin(), processing->end());
    return std::nullopt;
}

}  // namespace quorbel::nmr
