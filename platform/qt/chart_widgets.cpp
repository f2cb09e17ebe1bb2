#include "platform/qt/chart_widgets.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QCursor>
#include <QLineSeries>
#include <QScatterSeries>
#include <QToolTip>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/qt/cabinet_theme.h"

namespace quorvel::platform::qt {
namespace {

QList<QPointF> pointsOf(const std::vector<ChartPoint>& points) {
    QList<QPointF> out;
    out.reserve(static_cast<qsizetype>(points.size()));
    for (const ChartPoint& p : points)
        out.append(QPointF(p.x, p.y));
    return out;
}

QLineSeries* lineSeries(const std::string& name, const std::vector<ChartPoint>& points,
                        const QPen& pen) {
    auto* series = new QLineSeries;
    series->setName(QString::fromStdString(name));
    series->replace(pointsOf(points));
    series->setPen(pen);
    return series;
}

QColor markColour(ChartMarkKind kind) {
    switch (kind) {
        case ChartMarkKind::FreeSpins:
            return theme::colour("gold");
        case ChartMarkKind::Board:
            return theme::colour("jungle");
        default:
            return theme::colour("blood");
    }
}

// One series a kind of mark; hovering a mark shows its own tooltip.
void addMarks(QChart& chart, const ChartData& data) {
    const std::vector<ChartMark>& marks = data.marks;
    for (ChartMarkKind kind :
         {ChartMarkKind::FreeSpins, ChartMarkKind::Board, ChartMarkKind::Gamble}) {
        std::vector<ChartMark> own;
        std::copy_if(marks.begin(), marks.end(), std::back_inserter(own),
                     [kind](const ChartMark& m) { return m.kind == kind; });
        if (own.empty()) continue;
        auto* series = new QScatterSeries;
        series->setName(QString::fromStdString(data.markNames[static_cast<std::size_t>(kind)]));
        series->setMarkerSize(9);
        series->setColor(markColour(kind));
        series->setBorderColor(theme::colour("ink"));
        for (const ChartMark& m : own)
            series->append(m.at.x, m.at.y);
        QObject::connect(series, &QScatterSeries::hovered, [own](const QPointF& at, bool entered) {
            if (!entered) return QToolTip::hideText();
            const auto nearest = std::min_element(
                own.begin(), own.end(), [&at](const ChartMark& a, const ChartMark& b) {
                    return std::abs(a.at.x - at.x()) < std::abs(b.at.x - at.x());
                });
            QToolTip::showText(QCursor::pos(), QString::fromStdString(nearest->tooltip));
        });
        chart.addSeries(series);
    }
}

void addBand(QChart& chart, const ChartData& data) {
    if (data.bandLow.empty()) return;
    auto* low = lineSeries("", data.bandLow, QPen(Qt::NoPen));
    auto* high = lineSeries("", data.bandHigh, QPen(Qt::NoPen));
    auto* band = new QAreaSeries(high, low);
    band->setName(QString::fromStdString(data.bandName));
    // Gold strong enough to read against the bone plot area.
    // Veiled by the series' opacity, not the brush's, so the legend's swatch shows it whole.
    band->setBrush(theme::colour("gold"));
    band->setOpacity(0.45);
    band->setPen(QPen(theme::colour("goldDark"), 1));
    chart.addSeries(band);
}

QValueAxis* axis(const std::string& title, const QFont& font) {
    auto* axis = new QValueAxis;
    axis->setTitleText(QString::fromStdString(title));
    axis->setTitleFont(font);
    axis->setLabelsFont(font);
    axis->setLabelsColor(theme::colour("ink"));
    axis->setTitleBrush(theme::colour("ink"));
    axis->setLinePenColor(theme::colour("woodDark"));
    axis->setGridLineColor(theme::colour("parchmentDark"));
    axis->setLabelFormat("%.0f");
    return axis;
}

// Ticks on round numbers from zero: a 1-2-5 step giving about five intervals.
void roundTicks(QValueAxis& axis, double range) {
    if (range <= 0) return;
    double step = std::pow(10.0, std::floor(std::log10(range / 5)));
    for (double factor : {1.0, 2.0, 5.0, 10.0})
        if (step * factor >= range / 5) {
            step *= factor;
            break;
        }
    axis.setTickType(QValueAxis::TicksDynamic);
    axis.setTickAnchor(0);
    axis.setTickInterval(step);
}

void attachAxes(QChart& chart, const ChartData& data, double scale) {
    QFont font("Comic Sans MS");
    font.setPointSizeF(7.5 * scale);
    QValueAxis* x = axis(data.xTitle, font);
    QValueAxis* y = axis(data.yTitle, font);
    chart.addAxis(x, Qt::AlignBottom);
    chart.addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* series : chart.series()) {
        series->attachAxis(x);
        series->attachAxis(y);
    }
    if (!data.series.empty()) {
        const double first = std::min(data.series.front().x, data.series.back().x - 1);
        x->setRange(first, data.series.back().x);
        roundTicks(*x, data.series.back().x - first);
    }
    if (data.yMax > 0) {
        y->setRange(0, data.yMax);
        roundTicks(*y, data.yMax);
    } else {
        y->applyNiceNumbers();
    }
}

void fill(QChart& chart, const ChartData& data, double scale) {
    chart.removeAllSeries();
    for (QAbstractAxis* old : chart.axes())
        chart.removeAxis(old), delete old;
    addBand(chart, data);
    if (!data.mean.empty()) {
        QPen pen(theme::colour("bloodDark"), 1.5 * scale, Qt::DashLine);
        chart.addSeries(lineSeries(data.meanName, data.mean, pen));
    }
    chart.addSeries(
        lineSeries(data.seriesName, data.series, QPen(theme::colour("woodDark"), 2 * scale)));
    addMarks(chart, data);
    attachAxes(chart, data, scale);
    QFont title("Comic Sans MS");
    title.setBold(true);
    title.setPointSizeF(9 * scale);
    chart.setTitle(QString::fromStdString(data.title));
    chart.setTitleFont(title);
    chart.setTitleBrush(theme::colour("ink"));
    QFont legend("Comic Sans MS");
    legend.setPointSizeF(7 * scale);
    chart.legend()->setFont(legend);
    chart.legend()->setLabelColor(theme::colour("ink"));
    chart.legend()->setAlignment(Qt::AlignRight);
}

QChartView* makeView(QWidget* parent) {
    auto* chart = new QChart;
    chart->setBackgroundBrush(theme::colour("parchment"));
    chart->setBackgroundPen(QPen(theme::colour("goldDark"), 2));
    chart->setPlotAreaBackgroundBrush(theme::colour("bone"));
    chart->setPlotAreaBackgroundVisible(true);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->setBackgroundRoundness(6);
    auto* view = new QChartView(chart, parent);
    view->setRenderHint(QPainter::Antialiasing);
    view->setFocusPolicy(Qt::NoFocus);
    view->setStyleSheet("background: transparent; border: none;");
    return view;
}

}  // namespace

void ChartWidgets::create(Window& window, QWidget* parent, const SceneTransform& transform) {
    for (const auto& owned : window.elements()) {
        if (owned->kind() != ElementKind::Chart || views_.count(owned.get())) continue;
        views_[owned.get()] = makeView(parent);
        update(*owned, transform, true);
    }
}

void ChartWidgets::update(const Element& element, const SceneTransform& transform, bool refill) {
    auto it = views_.find(&element);
    if (it == views_.end()) return;
    auto* view = static_cast<QChartView*>(it->second);
    const double scale = transform.scale();
    if (refill) fill(*view->chart(), element.chart(), scale);
    view->setGeometry(transform.toWidget(clippedSceneRect(element)));
    view->setToolTip(QString::fromStdString(element.tooltip()));
    view->setVisible(element.shown());
}

void ChartWidgets::placeAll(const SceneTransform& transform) {
    for (auto& [element, view] : views_)
        update(*element, transform, true);
}

}  // namespace quorvel::platform::qt
