// Draws the program icon in every size the desktop looks for, the panel's background picture and
// the About picture into the resources folder named on the command line: MakeArt resources. Run
// by hand when the art changes; its output is kept in resources/.
#include <QDir>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRect>
#include <cstdio>

namespace {

const QColor kPanel(152, 161, 166);
const QColor kLight(214, 220, 224);
const QColor kShade(92, 99, 104);
const QColor kTitle(24, 26, 30);

// Menus, panels and docks take 16 to 48 pixels, software centres 64 and 128, and 256 serves
// both on screens that double every pixel.
const int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// A stick in a round base, with three lamps above it; drawn on a 48-pixel grid and scaled, so
// that every size is sharp.
QImage Icon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 48.0, size / 48.0);
    QPainterPath body;
    body.addRoundedRect(QRectF(3, 13, 42, 32), 9, 9);
    QLinearGradient shine(0, 13, 0, 45);
    shine.setColorAt(0, QColor(96, 104, 112));
    shine.setColorAt(1, QColor(38, 42, 48));
    p.fillPath(body, shine);
    p.setPen(QPen(QColor(20, 22, 26), 1.5));
    p.drawPath(body);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(24, 26, 30));
    p.drawEllipse(QRectF(13, 25, 22, 14));
    p.setBrush(QColor(150, 156, 164));
    p.drawRoundedRect(QRectF(21.5, 4, 5, 28), 2.5, 2.5);
    p.setBrush(QColor(205, 40, 36));
    p.drawEllipse(QRectF(17, 1, 14, 10));
    const QColor lamps[] = {QColor(60, 220, 80), QColor(250, 190, 40), QColor(230, 60, 50)};
    for (int k = 0; k < 3; ++k) {
        p.setBrush(lamps[k]);
        p.drawEllipse(QRectF(7 + k * 6, 17, 4, 4));
    }
    return image;
}

// A blue computer mouse seen from above, its cable leaving at the top.
QImage AboutPicture() {
    QImage image(64, 64, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath cable(QPointF(32, 10));
    cable.cubicTo(QPointF(32, 2), QPointF(44, 6), QPointF(50, 1));
    p.setPen(QPen(QColor(40, 44, 52), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(cable);

    QPainterPath body;
    body.addRoundedRect(QRectF(15, 9, 34, 52), 17, 17);
    QLinearGradient shine(15, 9, 49, 61);
    shine.setColorAt(0, QColor(120, 176, 250));
    shine.setColorAt(0.55, QColor(36, 96, 214));
    shine.setColorAt(1, QColor(16, 44, 130));
    p.fillPath(body, shine);
    p.setPen(QPen(QColor(12, 30, 90), 1.5));
    p.drawPath(body);

    // The two buttons, split down the middle and parted from the palm by a curve.
    p.setPen(QPen(QColor(12, 30, 90), 1.2));
    p.drawLine(QPointF(32, 9.5), QPointF(32, 29));
    QPainterPath parting(QPointF(15.5, 29));
    parting.quadTo(QPointF(32, 33), QPointF(48.5, 29));
    p.drawPath(parting);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 34, 42));
    p.drawRoundedRect(QRectF(29.5, 14, 5, 10), 2.5, 2.5);
    p.setBrush(QColor(255, 255, 255, 90));
    p.drawEllipse(QRectF(19, 13, 8, 14));
    return image;
}

// A raised frame with a sunken groove just inside it.
void Frame(QPainter& p, const QRect& r) {
    p.setPen(kLight);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(kShade);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    const QRect in = r.adjusted(2, 2, -2, -2);
    p.setPen(kShade);
    p.drawLine(in.topLeft(), in.topRight());
    p.drawLine(in.topLeft(), in.bottomLeft());
    p.setPen(kLight);
    p.drawLine(in.bottomLeft(), in.bottomRight());
    p.drawLine(in.topRight(), in.bottomRight());
}

// A group's title set into the top line of its frame, the line broken behind it. `centre` is
// the title's middle; the controls below it stay where they are, so each title sits where the
// frame's top runs clear of them.
void Title(QPainter& p, const QRect& frame, const char* text, int centre) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(10);
    font.setBold(true);
    p.setFont(font);
    const QString title = QString::fromUtf8(text);
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(title);
    const int left = centre - width / 2;
    p.fillRect(left - 3, frame.top(), width + 6, 3, kPanel);
    p.setPen(kTitle);
    // Capital letters centred on the two lines of the frame's top.
    p.drawText(left, frame.top() + 1 + metrics.capHeight() / 2, title);
}

// The frames behind the control groups, in pixels of the panel's client area.
QImage Background() {
    QImage image(599, 634, QImage::Format_RGB888);
    image.fill(kPanel);
    QPainter p(&image);
    const QRect movement(6, 6, 244, 176);
    const QRect walk(6, 236, 244, 82);
    const QRect timer(6, 326, 244, 92);
    const QRect twist(258, 6, 240, 142);
    const QRect groups[] = {
        movement,
        {6, 184, 244, 46},  // dead zone
        walk,
        timer,
        {6, 430, 90, 76},    // command buttons
        {168, 426, 80, 80},  // mode switch legend
        twist,
        {258, 152, 240, 48},  // twist dead zone
        {258, 202, 240, 304}  // buttons and pages
    };
    for (const QRect& group : groups) {
        Frame(p, group);
    }
    // Over the "Enabled" buttons of movement and twist; at the left of the walk and timer
    // groups, clear of the "Walk Zone" label and the timer box.
    Title(p, movement, "Movement", 205);
    Title(p, twist, "Twist", 377);
    Title(p, walk, "Walk", 32);
    Title(p, timer, "Engine Timer", 52);
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: MakeArt resources\n");
        return 2;
    }
    const QDir resources(QString::fromLocal8Bit(argv[1]));
    bool saved = resources.mkpath(QStringLiteral("icons")) &&
                 Background().save(resources.filePath(QStringLiteral("panel.png"))) &&
                 AboutPicture().save(resources.filePath(QStringLiteral("about.png")));
    for (const int size : kIconSizes) {
        const QString name = QStringLiteral("icons/%1x%1.png").arg(size);
        saved = saved && Icon(size).save(resources.filePath(name));
    }
    return saved ? 0 : 1;
}
