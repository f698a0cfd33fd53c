#include "textengine/construct_table.h"

#include "textengine/drawers/drawers.h"
#include "textengine/markup.h"

#include <array>

namespace vornith::textengine {

namespace {

// The ring tags ("#BCV(", "#BCH(" and the pattern "#A" 3..9 V/L/I/D "(" below) reach
// DibujaAnillo with what their tag says.
void DibujaAnilloDeEtiqueta(EstadoMotor& motor, const QString& texto, Surface& destino) {
    const ParametrosAnillo p = ParametrosDeAnillo(texto);
    DibujaAnillo(motor, texto, destino, p.vertices, p.circulo, p.orientacion);
}

// One line per opening tag. DibujaError stands in for every drawer that is not there yet.
constexpr Construccion kConstrucciones[] = {
    {u"#RAD(", false, DibujaRaiz},
    {u"#SQR(", false, DibujaRaiz},
    {u"#CUR(", false, DibujaRaiz},
    {u"#TDX(", false, DibujaDecoracion},
    {u"#TDU(", false, DibujaDecoracion},
    {u"#TDD(", false, DibujaDecoracion},
    {u"#REC(", false, DibujaDecoracion},
    {u"#VEC(", false, DibujaDecoracion},
    {u"#VED(", false, DibujaDecoracion},
    {u"#SEG(", false, DibujaDecoracion},
    {u"#UDL(", false, DibujaDecoracion},
    {u"#SED(", false, DibujaDecoracion},
    {u"#AND(", false, DibujaDecoracion},
    {u"#ARC(", false, DibujaDecoracion},
    {u"#DOL(", false, DibujaDecoracion},
    {u"#INT(", false, DibujaIntegral},
    {u"#IMG(", false, DibujaImagen},
    {u"#UDB(", false, DibujaUDB},
    {u"#BCV(", false, DibujaAnilloDeEtiqueta},
    {u"#BCH(", false, DibujaAnilloDeEtiqueta},
    {u"#NES(", false, DibujaDelimitadores},
    {u"#POT(", false, DibujaPotencia},
    {u"#EXP(", false, DibujaPotencia},
    {u"#COC(", true, DibujaCociente},
    {u"#DDL(", true, DibujaCociente},
    {u"#SPB(", true, DibujaSubSuper},
    {u"#ATX(", true, DibujaFlechaTexto},
    {u"#TST(", false, DibujaApilado},
    {u"#RWS(", true, DibujaFilas},
    {u"#CEQ(", true, DibujaReaccion},
};

// "#A" n x "(" with n = 3..9 and x = V, L, I or D.
constexpr Construccion kAnillo = {u"#A", false, DibujaAnilloDeEtiqueta};

bool esEtiquetaAnillo(QStringView t) {
    if (t.size() < 5 || !t.startsWith(u"#A") || t[4] != u'(') return false;
    const QChar n = t[2];
    const QChar x = t[3];
    return n >= u'3' && n <= u'9' && (x == u'V' || x == u'L' || x == u'I' || x == u'D');
}

} // namespace

const Construccion* BuscaConstruccion(QStringView texto) {
    if (texto.size() < 5 || texto[0] != u'#' || texto[4] != u'(') return nullptr;
    const QStringView cabeza = texto.left(5);
    for (const Construccion& c : kConstrucciones) {
        if (cabeza == c.abre) return &c;
    }
    return esEtiquetaAnillo(cabeza) ? &kAnillo : nullptr;
}

QString CierreDe(QStringView abre) { return abre.left(4).toString() + u')'; }

ParametrosAnillo ParametrosDeAnillo(QStringView abre) {
    const QChar n = abre.size() > 2 ? abre[2] : QChar();
    int vertices = n >= u'0' && n <= u'9' ? n.unicode() - u'0' : 0;
    if (vertices == 0) vertices = 6;
    return {vertices, abre.startsWith(u"#B"), abre.size() > 3 ? abre[3] : QChar()};
}

} // namespace vornith::textengine
