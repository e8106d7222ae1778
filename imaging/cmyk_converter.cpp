#include "imaging/cmyk_converter.h"

#include <QCoreApplication>

#include <lcms2.h>

#include <memory>

namespace tessellon {
namespace {

struct ProfileCloser {
    void operator()(void* p) const {
        if (p)
            cmsCloseProfile(p);
    }
};
using Profile = std::unique_ptr<void, ProfileCloser>;

struct TransformCloser {
    void operator()(void* t) const {
        if (t)
            cmsDeleteTransform(t);
    }
};

Profile OpenCmykProfile(const QByteArray& icc) {
    if (icc.isEmpty())
        return {};
    Profile p(cmsOpenProfileFromMem(icc.constData(), static_cast<cmsUInt32Number>(icc.size())));
    if (p && cmsGetColorSpace(p.get()) != cmsSigCmykData)
        p.reset();
    return p;
}

} // namespace

bool CmykConverter::IsCmykProfile(const QByteArray& icc) {
    return OpenCmykProfile(icc) != nullptr;
}

Result<PixelArray> CmykConverter::ToRgb(const std::uint8_t* cmyk, int width, int height,
                                        const QByteArray& icc, bool inverted) {
    Profile in = OpenCmykProfile(icc);
    Profile out(cmsCreate_sRGBProfile());
    if (!in || !out)
        return Result<>::Fail(tr("The image's CMYK colour profile cannot be used."));
    std::unique_ptr<void, TransformCloser> transform(
        cmsCreateTransform(in.get(), inverted ? TYPE_CMYK_8_REV : TYPE_CMYK_8, out.get(),
                           TYPE_RGB_8, INTENT_PERCEPTUAL, 0));
    if (!transform)
        return Result<>::Fail(tr("The image's CMYK colour profile cannot be used."));
    PixelArray rgb = PixelArray::Uninitialized(width, height);
    if (rgb.IsNull())
        return Result<>::Fail(
            tr("Not enough memory to load the image (%1 x %2 pixels).").arg(width).arg(height));
    const size_t rowBytes = static_cast<size_t>(width) * 4;
    for (int y = 0; y < height; ++y)
        cmsDoTransform(transform.get(), cmyk + rowBytes * static_cast<size_t>(y), rgb.MutableRow(y),
                       static_cast<cmsUInt32Number>(width));
    return rgb;
}

} // namespace tessellon
