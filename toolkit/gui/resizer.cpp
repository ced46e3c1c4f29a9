#include "toolkit/gui/resizer.h"

#include <QWidget>

#include "toolkit/gui/controls.h"
#include "toolkit/gui/metrics.h"

void myResizeInit(QWidget* window, ResizeState& state) {
    state = ResizeState();
    state.Window = window;
    if (!window) return;
    state.InitialClient = window->size();
    state.ReferenceClient = state.InitialClient;
    state.InitialWindowPixels = window->frameGeometry().size();
    const DialogUnits dlu = dialogUnits(window);
    state.InitialWindowDlu = QSize(dlu.fromPixelsX(state.InitialWindowPixels.width()),
                                   dlu.fromPixelsY(state.InitialWindowPixels.height()));
    state.Records.assign(ResizeFirstCapacity, ResizeControl());
    state.HasBlock = true;
}

int myResizeAddControl(ResizeState& state, int controlId, int flags, int widthPercent,
                       int heightPercent, int repaint, int xMovePercent, int yMovePercent,
                       int further1, int further2, int further3) {
    if (!state.HasBlock) return 0;
    for (int i = 0; i < state.Count; ++i)
        if (state.Records[size_t(i)].ControlId == controlId) return 1;
    QWidget* control = findControl(state.Window, controlId);
    if (!control) return 0;

    ResizeControl record;
    record.ControlId = controlId;
    record.Flags = flags;
    record.Control = control;
    const QRect g = control->geometry();
    const int clientWidth = state.InitialClient.width();
    const int clientHeight = state.InitialClient.height();
    record.X = g.x();
    record.Y = g.y();
    record.Width = g.width();
    record.Height = g.height();
    if (flags & RsKeepRight) record.X = clientWidth - g.width() - g.x();
    if (flags & RsKeepOffsetFromMiddleX) record.X = clientWidth / 2 - g.width() - g.x();
    if (flags & RsKeepBottom) record.Y = clientHeight - g.height() - g.y();
    if (flags & RsKeepOffsetFromMiddleY) record.Y = clientHeight / 2 - g.height() - g.y();
    if (widthPercent == 0 && heightPercent == 0) widthPercent = heightPercent = 100;
    record.WidthPercent = widthPercent;
    record.HeightPercent = heightPercent;
    record.XMovePercent = xMovePercent;
    record.YMovePercent = yMovePercent;
    record.Repaint = repaint;
    if (further1 && further2 && further3) record.Further = {further1, further2, further3};

    if (state.Count == state.capacity()) {
        std::vector<ResizeControl> larger(size_t(state.capacity() + ResizeGrowth));
        std::copy(state.Records.begin(), state.Records.begin() + state.Count, larger.begin());
        state.Records.swap(larger);
    }
    state.Records[size_t(state.Count)] = record;
    ++state.Count;
    return 1;
}

void myResizeOnSize(ResizeState& state, int controlId) {
    if (!state.Window || !state.HasBlock) return;
    state.ReferenceClient = state.InitialClient;
    state.CurrentClient = state.Window->size();
    state.SizeChange = state.CurrentClient - state.ReferenceClient;
    const int cw = state.CurrentClient.width();
    const int ch = state.CurrentClient.height();
    const int dw = state.SizeChange.width();
    const int dh = state.SizeChange.height();

    struct Move {
        QWidget* control;
        QRect geometry;
        bool size;
        bool move;
    };
    std::vector<Move> batch;
    for (int i = 0; i < state.Count; ++i) {
        const ResizeControl& r = state.Records[size_t(i)];
        if (controlId && r.ControlId != controlId) continue;
        if (r.Flags == RsFixed || !r.Control) continue;
        int x = r.X, y = r.Y, w = r.Width, h = r.Height;
        const int f = r.Flags;
        if (f & RsWidth) w += r.WidthPercent * dw / 100;
        if (f & RsHeight) h += r.HeightPercent * dh / 100;
        if (f & RsCentreX) x = (cw - w) / 2;
        if (f & RsCentreY) y = (ch - h) / 2;
        if (f & RsMoveX) x += dw * (r.XMovePercent + r.WidthPercent) / 100;
        if (f & RsMoveY) y += dh * (r.YMovePercent + r.HeightPercent) / 100;
        if (f & RsKeepRight) x = cw - w - r.X;
        if (f & RsKeepOffsetFromMiddleX) x = cw / 2 - w - r.X;
        if (f & RsKeepBottom) y = ch - h - r.Y;
        if (f & RsKeepOffsetFromMiddleY) y = ch / 2 - h - r.Y;
        const bool size = f & (RsWidth | RsHeight);
        const bool move = f & (RsMoveX | RsMoveY | RsCentreX | RsCentreY | RsKeepBottom |
                               RsKeepRight | RsKeepOffsetFromMiddleX | RsKeepOffsetFromMiddleY);
        batch.push_back({r.Control, QRect(x, y, w, h), size, move});
    }

    // All moves land in one repaint of the window.
    const bool updates = state.Window->updatesEnabled();
    state.Window->setUpdatesEnabled(false);
    for (const Move& m : batch) {
        if (m.size && m.move)
            m.control->setGeometry(m.geometry);
        else if (m.size)
            m.control->resize(m.geometry.size());
        else if (m.move)
            m.control->move(m.geometry.topLeft());
    }
    for (int i = 0; i < state.Count; ++i) {
        const ResizeControl& r = state.Records[size_t(i)];
        if (r.Repaint && r.Control) r.Control->update();
    }
    state.Window->setUpdatesEnabled(updates);
}

void myResizeFree(ResizeState& state) {
    state.Records.clear();
    state.Records.shrink_to_fit();
    state.HasBlock = false;
    state.Count = 0;
}
