#include "tools/artgen/render.h"

#include <atomic>
#include <stdexcept>
#include <thread>

namespace quorvel::artgen {

QImage renderJob(const PictureJob& job, const Kit& kit, int scale, Spoken* spoken) {
    QImage image(job.size * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                     QPainter::TextAntialiasing);
    p.scale(scale, scale);
    Kit told = kit;
    told.spoken = spoken;
    job.paint(p, told);
    p.end();
    return image;
}

Rendering renderAll(const std::vector<PictureJob>& jobs, const Kit& kit,
                    const std::filesystem::path& folder, const std::vector<bool>& only) {
    Rendering out{std::vector<QImage>(jobs.size()), std::vector<Spoken>(jobs.size())};
    std::atomic<std::size_t> next{0};
    std::atomic<bool> failed{false};
    auto work = [&] {
        for (std::size_t i = next++; i < jobs.size(); i = next++) {
            if (!only.empty() && !only[i]) continue;
            out.images[i] = renderJob(jobs[i], kit, 1, &out.spoken[i]);
            if (folder.empty()) continue;
            const auto base = folder / jobs[i].path;
            std::filesystem::create_directories(base.parent_path());
            // Light compression: the build waits on this, the files stay small anyway.
            const bool ok =
                out.images[i].save(QString::fromStdString(base.string() + ".png"), "PNG", 80) &&
                renderJob(jobs[i], kit, 2)
                    .save(QString::fromStdString(base.string() + "@2x.png"), "PNG", 80);
            if (!ok) failed = true;
        }
    };
    std::vector<std::thread> threads;
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    for (unsigned t = 0; t < cores; ++t)
        threads.emplace_back(work);
    for (auto& t : threads)
        t.join();
    if (failed) throw std::runtime_error("cannot write the pictures under " + folder.string());
    return out;
}

}  // namespace quorvel::artgen
