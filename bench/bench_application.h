#pragma once
// Text is drawn and measured with fonts, which need an application object: one without
// a display, made once for the whole benchmark program.
#include <QByteArray>
#include <QGuiApplication>

namespace quorbel::bench {

inline void NeedApplication() {
    static int argc = 1;
    static char name[] = "quorbel_bench";
    static char* argv[] = {name, nullptr};
    if (QGuiApplication::instance()) return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(argc, argv);
}

}  // namespace quorbel::bench
