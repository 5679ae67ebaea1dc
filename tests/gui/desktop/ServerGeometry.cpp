#include "tests/gui/desktop/ServerGeometry.h"

#include <QGuiApplication>
#include <QWidget>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace {
template <typename T> struct FreeReply
{
    void operator()(T* p) const { std::free(p); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeReply<T>>;

// The left, right, top and bottom widths of the frame the window manager drew.
std::array<std::uint32_t, 4> FrameExtents(xcb_connection_t* c, xcb_window_t window)
{
    const char* const kName = "_NET_FRAME_EXTENTS";
    const Reply<xcb_intern_atom_reply_t> atom(xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 1, static_cast<std::uint16_t>(std::strlen(kName)), kName), nullptr));
    std::array<std::uint32_t, 4> extents{};
    if (!atom)
        return extents;
    const Reply<xcb_get_property_reply_t> prop(
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, atom->atom, XCB_ATOM_CARDINAL, 0, 4), nullptr));
    if (prop && xcb_get_property_value_length(prop.get()) == 16)
        std::memcpy(extents.data(), xcb_get_property_value(prop.get()), 16);
    return extents;
}
} // namespace

QRect ServerFrameGeometry(const QWidget& window)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return {};
    xcb_connection_t* c = x11->connection();
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const Reply<xcb_get_geometry_reply_t> geometry(xcb_get_geometry_reply(c, xcb_get_geometry(c, id), nullptr));
    const Reply<xcb_translate_coordinates_reply_t> origin(
        xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, id, root, 0, 0), nullptr));
    if (!geometry || !origin)
        return {};
    const auto [left, right, top, bottom] = FrameExtents(c, id);
    return QRect(origin->dst_x - static_cast<int>(left), origin->dst_y - static_cast<int>(top),
                 geometry->width + static_cast<int>(left + right), geometry->height + static_cast<int>(top + bottom));
}

void ActivateAsTheUser(const QWidget& window)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return;
    xcb_connection_t* c = x11->connection();
    const char* const kName = "_NET_ACTIVE_WINDOW";
    const Reply<xcb_intern_atom_reply_t> atom(xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(kName)), kName), nullptr));
    if (!atom)
        return;
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = static_cast<xcb_window_t>(window.winId());
    event.type = atom->atom;
    event.data.data32[0] = 2; // from a pager, that is from the user
    event.data.data32[1] = XCB_CURRENT_TIME;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    xcb_send_event(c, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(c);
}
