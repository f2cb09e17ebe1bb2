#include "platform/qt/x11_picture_blitter.h"

#include <xcb/xcb.h>

#include <QtGui/qguiapplication_platform.h>
#include <QGuiApplication>
#include <algorithm>
#include <cstdlib>
#include <map>

namespace quorvel::platform::qt {
namespace {

template <typename Reply>
struct FreeReply {
    void operator()(Reply* reply) const { std::free(reply); }
};
template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, FreeReply<Reply>>;

xcb_connection_t* x11Connection() {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return nullptr;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

const xcb_visualtype_t* findVisual(const xcb_setup_t* setup, xcb_visualid_t id) {
    for (auto s = xcb_setup_roots_iterator(setup); s.rem; xcb_screen_next(&s))
        for (auto d = xcb_screen_allowed_depths_iterator(s.data); d.rem; xcb_depth_next(&d))
            for (auto v = xcb_depth_visuals_iterator(d.data); v.rem; xcb_visualtype_next(&v))
                if (v.data->visual_id == id) return v.data;
    return nullptr;
}

int bitsPerPixel(const xcb_setup_t* setup, std::uint8_t depth) {
    for (auto f = xcb_setup_pixmap_formats_iterator(setup); f.rem; xcb_format_next(&f))
        if (f.data->depth == depth) return f.data->bits_per_pixel;
    return 0;
}

// The depth of a window whose pixels are laid out as those of a 32-bit RGB QImage, so
// pictures go to the server byte for byte; 0 for any other window.
std::uint8_t rgb32Depth(xcb_connection_t* c, xcb_window_t window) {
    ReplyPtr<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr));
    ReplyPtr<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr));
    if (!attributes || !geometry) return 0;
    const xcb_setup_t* setup = xcb_get_setup(c);
    const auto hostOrder = QSysInfo::ByteOrder == QSysInfo::LittleEndian
                               ? XCB_IMAGE_ORDER_LSB_FIRST
                               : XCB_IMAGE_ORDER_MSB_FIRST;
    const xcb_visualtype_t* visual = findVisual(setup, attributes->visual);
    const std::uint8_t depth = geometry->depth;
    const bool rgb = visual && visual->_class == XCB_VISUAL_CLASS_TRUE_COLOR &&
                     visual->red_mask == 0xff0000 && visual->green_mask == 0xff00 &&
                     visual->blue_mask == 0xff;
    const bool fits = setup->image_byte_order == hostOrder && bitsPerPixel(setup, depth) == 32 &&
                      (depth == 24 || depth == 32);
    return rgb && fits ? depth : 0;
}

class X11PictureBlitter final : public PictureBlitter {
public:
    X11PictureBlitter(QWidget& window, xcb_connection_t* connection, std::uint8_t depth)
        : window_(window), c_(connection), depth_(depth), gc_(xcb_generate_id(c_)) {
        const std::uint32_t noExposures[] = {0};
        xcb_create_gc(c_, gc_, drawable(), XCB_GC_GRAPHICS_EXPOSURES, noExposures);
    }

    // After the application has gone, so has the connection, and the server frees the rest.
    ~X11PictureBlitter() override {
        if (x11Connection() != c_) return;
        for (const auto& [picture, pixmap] : held_)
            xcb_free_pixmap(c_, pixmap);
        xcb_free_gc(c_, gc_);
        xcb_flush(c_);
    }

    bool holds(const HeldPicture& picture) const override { return held_.count(picture) != 0; }

    bool hold(const HeldPicture& picture, const QPixmap& pixels) override {
        for (auto it = held_.begin(); it != held_.end();) {
            if (!it->first.outgrownBy(picture)) {
                ++it;
                continue;
            }
            xcb_free_pixmap(c_, it->second);
            it = held_.erase(it);
        }
        const QImage image = pixels.toImage().convertToFormat(QImage::Format_RGB32);
        return !broken_ && image.size() == picture.size && upload(picture, image);
    }

    void copy(const HeldPicture& picture, const QRect& source, QPoint target) override {
        auto it = held_.find(picture);
        if (it == held_.end()) return;
        xcb_copy_area(c_, it->second, drawable(), gc_, static_cast<std::int16_t>(source.x()),
                      static_cast<std::int16_t>(source.y()), static_cast<std::int16_t>(target.x()),
                      static_cast<std::int16_t>(target.y()),
                      static_cast<std::uint16_t>(source.width()),
                      static_cast<std::uint16_t>(source.height()));
    }

    void flush() override { xcb_flush(c_); }

private:
    xcb_drawable_t drawable() const { return static_cast<xcb_drawable_t>(window_.winId()); }

    // The pixmap is made with a round trip, so a server short of memory is known at once and
    // the window simply goes on painting; the pixels follow in as few requests as allowed.
    bool upload(const HeldPicture& picture, const QImage& image) {
        const int width = image.width(), height = image.height();
        const auto rowBytes = static_cast<std::uint32_t>(width) * 4;
        if (width > 32767 || height > 32767 || image.bytesPerLine() != rowBytes) return false;
        const xcb_pixmap_t pixmap = xcb_generate_id(c_);
        if (xcb_generic_error_t* error = xcb_request_check(
                c_, xcb_create_pixmap_checked(c_, depth_, pixmap, drawable(),
                                              static_cast<std::uint16_t>(width),
                                              static_cast<std::uint16_t>(height)))) {
            std::free(error);
            broken_ = true;
            return false;
        }
        const std::uint32_t maxBytes = xcb_get_maximum_request_length(c_) * 4u - 64u;
        const int rowsPerRequest = std::max(1, static_cast<int>(maxBytes / rowBytes));
        for (int y = 0; y < height; y += rowsPerRequest) {
            const int rows = std::min(rowsPerRequest, height - y);
            xcb_put_image(c_, XCB_IMAGE_FORMAT_Z_PIXMAP, pixmap, gc_,
                          static_cast<std::uint16_t>(width), static_cast<std::uint16_t>(rows), 0,
                          static_cast<std::int16_t>(y), 0, depth_,
                          static_cast<std::uint32_t>(rows) * rowBytes, image.constScanLine(y));
        }
        xcb_flush(c_);
        held_[picture] = pixmap;
        return true;
    }

    QWidget& window_;
    xcb_connection_t* c_;
    std::uint8_t depth_;
    xcb_gcontext_t gc_;
    bool broken_ = false;
    std::map<HeldPicture, xcb_pixmap_t> held_;
};

}  // namespace

std::unique_ptr<PictureBlitter> makeX11Blitter(QWidget& widget) {
    xcb_connection_t* c = x11Connection();
    QWidget* window = widget.window();
    if (!c || !window->testAttribute(Qt::WA_WState_Created)) return nullptr;
    const std::uint8_t depth = rgb32Depth(c, static_cast<xcb_window_t>(window->winId()));
    if (depth == 0) return nullptr;
    return std::make_unique<X11PictureBlitter>(*window, c, depth);
}

}  // namespace quorvel::platform::qt
