#include "platform/report/SelectionFormula.h"
#include "platform/ado/Field.h"
#include "platform/vb/Currency.h"
#include "platform/vb/Strings.h"

#include <QDate>
#include <QRegularExpression>
#include <optional>

namespace report {

namespace {

// ------------------------------------------------------------------ values

struct Value {
    enum Kind { Null, Text, Number, Date } kind = Null;
    QString text;
    double number = 0;
    std::optional<vb::Currency> exact;   // numbers that money holds exactly
    QDateTime date;
    bool dayOnly = false;                // a Date(…) literal: compared by the day
    vb::Variant raw;                     // the row's value, for LIKE on numbers
};

QString kindName(Value::Kind k)
{
    switch (k) {
    case Value::Text: return QStringLiteral("un texto");
    case Value::Number: return QStringLiteral("un número");
    case Value::Date: return QStringLiteral("una fecha");
    default: return QStringLiteral("un valor nulo");
    }
}

Value fromVariant(const vb::Variant& v)
{
    Value out;
    out.raw = v;
    switch (v.type()) {
    case vb::VarType::Empty:
    case vb::VarType::Null:
        break;
    case vb::VarType::String:
        out.kind = Value::Text;
        out.text = v.toString();
        break;
    case vb::VarType::Date:
        out.kind = Value::Date;
        out.date = v.toDate();
        break;
    case vb::VarType::Integer:
    case vb::VarType::Long:
        out.kind = Value::Number;
        out.number = v.toDouble();
        out.exact = vb::Currency::fromInt(v.toLong());
        break;
    case vb::VarType::Currency:
        out.kind = Value::Number;
        out.exact = v.toCurrency();
        out.number = out.exact->toDouble();
        break;
    default:
        out.kind = Value::Number;
        out.number = v.toDouble();
        break;
    }
    return out;
}

// A number written with "." decimals (the formula's own notation, never the regional one).
std::optional<Value> numberFromText(const QString& text)
{
    const QString t = vb::Trim(text);
    bool ok = false;
    const double d = t.toDouble(&ok);
    if (!ok || t.isEmpty() || t.contains(QLatin1Char('e'), Qt::CaseInsensitive) || t.contains(QLatin1Char(',')))
        return std::nullopt;
    Value out;
    out.kind = Value::Number;
    out.number = d;
    const qsizetype dot = t.indexOf(QLatin1Char('.'));
    vb::Currency c;
    if ((dot < 0 || t.size() - dot - 1 <= 4) && vb::Currency::tryParse(t, c))
        out.exact = c;
    return out;
}

QString withoutTrailingBlanks(const QString& s)
{
    qsizetype n = s.size();
    while (n > 0 && s.at(n - 1) == QLatin1Char(' '))
        --n;
    return s.left(n);
}

[[noreturn]] void cannotCompare(const Value& a, const Value& b)
{
    const QString shown = a.kind == Value::Text ? a.text : b.text;
    throw FormulaError{QStringLiteral("no se puede comparar %1 con %2 (valor \"%3\")")
                           .arg(kindName(a.kind), kindName(b.kind), shown)};
}

// -1, 0 or 1; nothing when either side is Null. Texts compare as the database's
// collation does: without regard to case, trailing blanks ignored.
std::optional<int> compareValues(const Value& a, const Value& b)
{
    if (a.kind == Value::Null || b.kind == Value::Null)
        return std::nullopt;
    if (a.kind == Value::Text && b.kind == Value::Text) {
        const int c = QString::compare(withoutTrailingBlanks(a.text), withoutTrailingBlanks(b.text),
                                       Qt::CaseInsensitive);
        return c < 0 ? -1 : c > 0 ? 1 : 0;
    }
    if (a.kind == Value::Number && b.kind == Value::Number) {
        if (a.exact && b.exact)
            return *a.exact < *b.exact ? -1 : *a.exact > *b.exact ? 1 : 0;
        return a.number < b.number ? -1 : a.number > b.number ? 1 : 0;
    }
    if (a.kind == Value::Date && b.kind == Value::Date) {
        if (a.dayOnly || b.dayOnly) {
            const QDate x = a.date.date(), y = b.date.date();
            return x < y ? -1 : x > y ? 1 : 0;
        }
        return a.date < b.date ? -1 : a.date > b.date ? 1 : 0;
    }
    // A text meets a date or a number: it is read as one, or the formula is wrong.
    if (a.kind == Value::Text || b.kind == Value::Text) {
        const bool textFirst = a.kind == Value::Text;
        const Value& text = textFirst ? a : b;
        const Value& other = textFirst ? b : a;
        Value converted;
        if (other.kind == Value::Date) {
            QDateTime when;
            if (!vb::ParseDate(vb::Trim(text.text), when))
                cannotCompare(a, b);
            converted.kind = Value::Date;
            converted.date = when;
        } else {
            const auto n = numberFromText(text.text);
            if (!n)
                cannotCompare(a, b);
            converted = *n;
        }
        return textFirst ? compareValues(converted, other) : compareValues(other, converted);
    }
    cannotCompare(a, b);
}

QRegularExpression likePattern(const QString& pattern)
{
    QString re;
    for (const QChar c : pattern) {
        if (c == QLatin1Char('*'))
            re += QStringLiteral(".*");
        else if (c == QLatin1Char('?'))
            re += QLatin1Char('.');
        else
            re += QRegularExpression::escape(QString(c));
    }
    return QRegularExpression(QRegularExpression::anchoredPattern(re),
                              QRegularExpression::CaseInsensitiveOption
                                  | QRegularExpression::DotMatchesEverythingOption);
}

enum class Truth { False, True, Unknown };

} // namespace

// ------------------------------------------------------------------ tree

struct FormulaNode {
    enum Kind { Field, Literal, ToNumber, TrimLeft, TrimRight, IsNull, Compare, Like, And, Or } kind = Literal;
    enum Op { Eq, Ne, Lt, Le, Gt, Ge } op = Eq;
    QString name;       // field name
    int column = -1;
    Value literal;
    std::unique_ptr<FormulaNode> left, right;
    mutable std::optional<QRegularExpression> pattern;   // LIKE with a literal pattern

    bool isCondition() const { return kind >= IsNull; }
    // What the node gives when it is known before any row is read.
    std::optional<Value::Kind> staticKind() const
    {
        switch (kind) {
        case Literal: return literal.kind;
        case ToNumber: return Value::Number;
        case TrimLeft:
        case TrimRight: return Value::Text;
        default: return std::nullopt;
        }
    }

    Value value(const std::function<vb::Variant(int)>& row) const
    {
        switch (kind) {
        case Field: return fromVariant(row(column));
        case Literal: return literal;
        case ToNumber: {
            const Value v = left->value(row);
            if (v.kind == Value::Text) {
                const auto n = numberFromText(v.text);
                return n ? *n : Value{};   // a text that holds no number selects nothing
            }
            if (v.kind == Value::Date)
                throw FormulaError{QStringLiteral("tonumber no convierte una fecha")};
            return v;
        }
        case TrimLeft:
        case TrimRight: {
            Value v = left->value(row);
            if (v.kind == Value::Null)
                return v;
            if (v.kind != Value::Text)
                throw FormulaError{QStringLiteral("%1 recorta textos, no %2")
                                       .arg(kind == TrimLeft ? QStringLiteral("TrimLeft") : QStringLiteral("TrimRight"),
                                            kindName(v.kind))};
            v.text = kind == TrimLeft ? vb::LTrim(v.text) : vb::RTrim(v.text);
            return v;
        }
        default: return Value{};
        }
    }

    Truth truth(const std::function<vb::Variant(int)>& row) const
    {
        switch (kind) {
        case IsNull: return left->value(row).kind == Value::Null ? Truth::True : Truth::False;
        case And: {
            const Truth a = left->truth(row);
            if (a == Truth::False)
                return a;
            const Truth b = right->truth(row);
            if (b == Truth::False)
                return b;
            return a == Truth::True && b == Truth::True ? Truth::True : Truth::Unknown;
        }
        case Or: {
            const Truth a = left->truth(row);
            if (a == Truth::True)
                return a;
            const Truth b = right->truth(row);
            if (b == Truth::True)
                return b;
            return a == Truth::False && b == Truth::False ? Truth::False : Truth::Unknown;
        }
        case Compare: {
            const auto c = compareValues(left->value(row), right->value(row));
            if (!c)
                return Truth::Unknown;
            bool r = false;
            switch (op) {
            case Eq: r = *c == 0; break;
            case Ne: r = *c != 0; break;
            case Lt: r = *c < 0; break;
            case Le: r = *c <= 0; break;
            case Gt: r = *c > 0; break;
            case Ge: r = *c >= 0; break;
            }
            return r ? Truth::True : Truth::False;
        }
        case Like: {
            const Value v = left->value(row);
            const Value p = right->value(row);
            if (v.kind == Value::Null || p.kind == Value::Null)
                return Truth::Unknown;
            if (p.kind != Value::Text)
                throw FormulaError{QStringLiteral("LIKE necesita un texto como patrón")};
            QString subject;
            if (v.kind == Value::Text)
                subject = v.text;
            else if (v.kind == Value::Date)
                subject = v.date.toString(QStringLiteral("dd/MM/yyyy"));
            else
                subject = vb::CStr(v.raw.isEmpty() ? vb::Variant(v.number) : v.raw);
            if (!pattern || right->kind != Literal)
                pattern = likePattern(p.text);
            return pattern->match(withoutTrailingBlanks(subject)).hasMatch() ? Truth::True : Truth::False;
        }
        default: return Truth::Unknown;
        }
    }
};

// ------------------------------------------------------------------ reading

namespace {

struct Token {
    enum Kind { End, Field, Text, Number, Word, Symbol } kind = End;
    QString text;   // field: "TABLE.FIELD"; text: its value; word: as written; symbol: the operator
    int position = 0;   // 1-based
};

class Reader {
public:
    Reader(const QString& text, const QString& table) : s_(text), table_(table) { advance(); }

    std::unique_ptr<FormulaNode> formula()
    {
        auto node = orExpression();
        if (tok_.kind != Token::End)
            fail(tok_.position, QStringLiteral("sobra \"%1\"").arg(shown(tok_)));
        if (!node->isCondition())
            fail(1, QStringLiteral("la fórmula no es una condición"));
        return node;
    }

private:
    [[noreturn]] void fail(int position, const QString& what) const
    {
        throw FormulaError{QStringLiteral("posición %1: %2").arg(position).arg(what)};
    }

    static QString shown(const Token& t)
    {
        switch (t.kind) {
        case Token::End: return QStringLiteral("fin de la fórmula");
        case Token::Field: return QStringLiteral("{") + t.text + QStringLiteral("}");
        case Token::Text: return QStringLiteral("'") + t.text + QStringLiteral("'");
        default: return t.text;
        }
    }

    // ---- tokens
    void advance()
    {
        while (i_ < s_.size() && (s_.at(i_) == QLatin1Char(' ') || s_.at(i_) == QLatin1Char('\t')
                                  || s_.at(i_) == QLatin1Char('\r') || s_.at(i_) == QLatin1Char('\n')))
            ++i_;
        tok_ = Token{};
        tok_.position = int(i_) + 1;
        if (i_ >= s_.size())
            return;
        const QChar c = s_.at(i_);
        if (c == QLatin1Char('{')) {
            const qsizetype close = s_.indexOf(QLatin1Char('}'), i_ + 1);
            if (close < 0)
                fail(tok_.position, QStringLiteral("falta la llave que cierra el campo"));
            tok_.kind = Token::Field;
            tok_.text = s_.mid(i_ + 1, close - i_ - 1);
            i_ = close + 1;
            return;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            QString value;
            qsizetype j = i_ + 1;
            for (;;) {
                if (j >= s_.size())
                    fail(tok_.position, QStringLiteral("falta la comilla que cierra el texto"));
                if (s_.at(j) == c) {
                    if (j + 1 < s_.size() && s_.at(j + 1) == c) {
                        value += c;
                        j += 2;
                        continue;
                    }
                    break;
                }
                value += s_.at(j++);
            }
            tok_.kind = Token::Text;
            tok_.text = value;
            i_ = j + 1;
            return;
        }
        if (c.isDigit()) {
            qsizetype j = i_;
            while (j < s_.size() && s_.at(j).isDigit())
                ++j;
            if (j < s_.size() && s_.at(j) == QLatin1Char('.')) {
                ++j;
                if (j >= s_.size() || !s_.at(j).isDigit())
                    fail(int(j) + 1, QStringLiteral("número incompleto"));
                while (j < s_.size() && s_.at(j).isDigit())
                    ++j;
            }
            tok_.kind = Token::Number;
            tok_.text = s_.mid(i_, j - i_);
            i_ = j;
            return;
        }
        if (c.isLetter() || c == QLatin1Char('_')) {
            qsizetype j = i_;
            while (j < s_.size() && (s_.at(j).isLetterOrNumber() || s_.at(j) == QLatin1Char('_')))
                ++j;
            tok_.kind = Token::Word;
            tok_.text = s_.mid(i_, j - i_);
            i_ = j;
            return;
        }
        static const QStringList symbols = {QStringLiteral("<>"), QStringLiteral("<="), QStringLiteral(">="),
                                            QStringLiteral("="), QStringLiteral("<"), QStringLiteral(">"),
                                            QStringLiteral("("), QStringLiteral(")"), QStringLiteral(","),
                                            QStringLiteral("-")};
        for (const QString& sym : symbols) {
            if (QStringView(s_).mid(i_).startsWith(sym)) {
                tok_.kind = Token::Symbol;
                tok_.text = sym;
                i_ += sym.size();
                return;
            }
        }
        fail(tok_.position, QStringLiteral("carácter inesperado \"%1\"").arg(c));
    }

    bool isWord(const char* w) const
    {
        return tok_.kind == Token::Word && tok_.text.compare(QLatin1String(w), Qt::CaseInsensitive) == 0;
    }
    bool isSymbol(const char* s) const { return tok_.kind == Token::Symbol && tok_.text == QLatin1String(s); }
    void expectSymbol(const char* s)
    {
        if (!isSymbol(s))
            fail(tok_.position, QStringLiteral("se esperaba \"%1\" y hay \"%2\"").arg(QLatin1String(s), shown(tok_)));
        advance();
    }

    // ---- grammar
    std::unique_ptr<FormulaNode> logical(FormulaNode::Kind kind, std::unique_ptr<FormulaNode> a,
                                         std::unique_ptr<FormulaNode> b, int position)
    {
        if (!a->isCondition() || !b->isCondition())
            fail(position, QStringLiteral("%1 une condiciones, no valores")
                               .arg(kind == FormulaNode::And ? QStringLiteral("AND") : QStringLiteral("OR")));
        auto n = std::make_unique<FormulaNode>();
        n->kind = kind;
        n->left = std::move(a);
        n->right = std::move(b);
        return n;
    }

    std::unique_ptr<FormulaNode> orExpression()
    {
        auto node = andExpression();
        while (isWord("OR")) {
            const int at = tok_.position;
            advance();
            node = logical(FormulaNode::Or, std::move(node), andExpression(), at);
        }
        return node;
    }

    std::unique_ptr<FormulaNode> andExpression()
    {
        auto node = comparison();
        while (isWord("AND")) {
            const int at = tok_.position;
            advance();
            node = logical(FormulaNode::And, std::move(node), comparison(), at);
        }
        return node;
    }

    std::unique_ptr<FormulaNode> comparison()
    {
        auto left = operand();
        std::optional<FormulaNode::Op> op;
        bool like = false;
        const int at = tok_.position;
        if (isSymbol("=")) op = FormulaNode::Eq;
        else if (isSymbol("<>")) op = FormulaNode::Ne;
        else if (isSymbol("<")) op = FormulaNode::Lt;
        else if (isSymbol("<=")) op = FormulaNode::Le;
        else if (isSymbol(">")) op = FormulaNode::Gt;
        else if (isSymbol(">=")) op = FormulaNode::Ge;
        else if (isWord("LIKE")) like = true;
        if (!op && !like)
            return left;
        const QString opText = tok_.text;
        advance();
        auto right = operand();
        if (left->isCondition() || right->isCondition())
            fail(at, QStringLiteral("\"%1\" compara valores, no condiciones").arg(opText));
        const auto lk = left->staticKind(), rk = right->staticKind();
        if (like) {
            if (rk && *rk != Value::Text)
                fail(at, QStringLiteral("LIKE necesita un texto como patrón"));
        } else if (lk && rk && *lk != *rk && *lk != Value::Text && *rk != Value::Text) {
            fail(at, QStringLiteral("no se puede comparar %1 con %2").arg(kindName(*lk), kindName(*rk)));
        }
        auto n = std::make_unique<FormulaNode>();
        n->kind = like ? FormulaNode::Like : FormulaNode::Compare;
        if (op)
            n->op = *op;
        n->left = std::move(left);
        n->right = std::move(right);
        return n;
    }

    std::unique_ptr<FormulaNode> valueArgument(FormulaNode::Kind kind, const QString& function)
    {
        const int at = tok_.position;
        advance();
        expectSymbol("(");
        auto arg = orExpression();
        expectSymbol(")");
        if (arg->isCondition())
            fail(at, QStringLiteral("%1 necesita un valor, no una condición").arg(function));
        if (kind == FormulaNode::TrimLeft || kind == FormulaNode::TrimRight) {
            const auto k = arg->staticKind();
            if (k && *k != Value::Text)
                fail(at, QStringLiteral("%1 recorta textos, no %2").arg(function, kindName(*k)));
        }
        auto n = std::make_unique<FormulaNode>();
        n->kind = kind;
        n->left = std::move(arg);
        return n;
    }

    int dateNumber()
    {
        if (tok_.kind != Token::Number || tok_.text.contains(QLatin1Char('.')))
            fail(tok_.position, QStringLiteral("Date lleva año, mes y día en números enteros"));
        const int v = tok_.text.toInt();
        advance();
        return v;
    }

    std::unique_ptr<FormulaNode> operand()
    {
        const Token t = tok_;
        auto n = std::make_unique<FormulaNode>();
        switch (t.kind) {
        case Token::End:
            fail(t.position, QStringLiteral("la fórmula termina antes de tiempo"));
        case Token::Field: {
            const qsizetype dot = t.text.indexOf(QLatin1Char('.'));
            if (dot < 0)
                fail(t.position, QStringLiteral("el campo {%1} no indica su tabla").arg(t.text));
            const QString table = t.text.left(dot).trimmed();
            const QString field = t.text.mid(dot + 1).trimmed();
            if (table.compare(table_, Qt::CaseInsensitive) != 0)
                fail(t.position, QStringLiteral("el campo {%1} no es de la tabla %2").arg(t.text, table_));
            if (field.isEmpty())
                fail(t.position, QStringLiteral("el campo {%1} no tiene nombre").arg(t.text));
            n->kind = FormulaNode::Field;
            n->name = field;
            advance();
            return n;
        }
        case Token::Text:
            n->literal.kind = Value::Text;
            n->literal.text = t.text;
            advance();
            return n;
        case Token::Number:
            n->literal = *numberFromText(t.text);
            advance();
            return n;
        case Token::Symbol:
            if (t.text == QLatin1String("-")) {
                advance();
                if (tok_.kind != Token::Number)
                    fail(t.position, QStringLiteral("el signo \"-\" va delante de un número"));
                n->literal = *numberFromText(QStringLiteral("-") + tok_.text);
                advance();
                return n;
            }
            if (t.text == QLatin1String("(")) {
                advance();
                auto inner = orExpression();
                expectSymbol(")");
                return inner;
            }
            fail(t.position, QStringLiteral("se esperaba un valor y hay \"%1\"").arg(t.text));
        case Token::Word:
            if (isWord("Date")) {
                advance();
                expectSymbol("(");
                const int y = dateNumber();
                expectSymbol(",");
                const int m = dateNumber();
                expectSymbol(",");
                const int d = dateNumber();
                expectSymbol(")");
                const QDate date(y, m, d);
                if (!date.isValid() || y < 100)
                    fail(t.position, QStringLiteral("la fecha Date(%1,%2,%3) no existe").arg(y).arg(m).arg(d));
                n->literal.kind = Value::Date;
                n->literal.date = vb::MakeDate(date);
                n->literal.dayOnly = true;
                return n;
            }
            if (isWord("tonumber"))
                return valueArgument(FormulaNode::ToNumber, QStringLiteral("tonumber"));
            if (isWord("TrimLeft"))
                return valueArgument(FormulaNode::TrimLeft, QStringLiteral("TrimLeft"));
            if (isWord("TrimRight"))
                return valueArgument(FormulaNode::TrimRight, QStringLiteral("TrimRight"));
            if (isWord("ISNULL"))
                return valueArgument(FormulaNode::IsNull, QStringLiteral("ISNULL"));
            fail(t.position, QStringLiteral("palabra desconocida \"%1\"").arg(t.text));
        }
        fail(t.position, QStringLiteral("se esperaba un valor"));
    }

    QString s_;
    QString table_;
    qsizetype i_ = 0;
    Token tok_;
};

// The SQL of the conditions the database can apply (see SelectionFormula::databaseCondition).
class SqlWriter {
public:
    explicit SqlWriter(const std::function<SqlColumn(const QString&)>& column) : column_(column) {}

    std::optional<SqlCondition> condition(const FormulaNode& n) const
    {
        switch (n.kind) {
        case FormulaNode::And: {
            auto a = condition(*n.left);
            auto b = condition(*n.right);
            if (a && b)
                return join(*a, QStringLiteral(" AND "), *b);
            return a ? a : b;   // a weaker condition still keeps every row selected
        }
        case FormulaNode::Or: {
            auto a = condition(*n.left);
            auto b = condition(*n.right);
            if (a && b)
                return join(*a, QStringLiteral(" OR "), *b);
            return std::nullopt;
        }
        case FormulaNode::IsNull: {
            const auto c = expression(*n.left, true);
            if (!c)
                return std::nullopt;
            return SqlCondition{c->expression + QStringLiteral(" IS NULL"), {}};
        }
        case FormulaNode::Compare: return compare(n);
        case FormulaNode::Like: return like(n);
        default: return std::nullopt;
        }
    }

private:
    static SqlCondition join(const SqlCondition& a, const QString& op, const SqlCondition& b)
    {
        return SqlCondition{QLatin1Char('(') + a.text + op + b.text + QLatin1Char(')'), a.values + b.values};
    }

    static SqlCondition marker(const QString& left, const QString& op, const vb::Variant& value, int type)
    {
        return SqlCondition{left + QLatin1Char(' ') + op + QStringLiteral(" ?"), {SqlValue{value, type}}};
    }

    // A field, or a trimmed text field, as SQL; `anyKind` also takes columns that are
    // neither texts nor dates (for ISNULL).
    std::optional<SqlColumn> expression(const FormulaNode& n, bool anyKind = false) const
    {
        if (n.kind == FormulaNode::Field) {
            const SqlColumn c = column_(n.name);
            if (c.kind == SqlColumn::None || c.expression.isEmpty() || (!anyKind && c.kind == SqlColumn::Other))
                return std::nullopt;
            return c;
        }
        if (n.kind == FormulaNode::TrimLeft || n.kind == FormulaNode::TrimRight) {
            const auto inner = expression(*n.left);
            if (!inner || inner->kind != SqlColumn::Text)
                return std::nullopt;
            return SqlColumn{SqlColumn::Text, (n.kind == FormulaNode::TrimLeft ? QStringLiteral("LTRIM(")
                                                                               : QStringLiteral("RTRIM("))
                                                  + inner->expression + QLatin1Char(')')};
        }
        return std::nullopt;
    }

    std::optional<SqlCondition> compare(const FormulaNode& n) const
    {
        const FormulaNode* side = n.left.get();
        const FormulaNode* literal = n.right.get();
        FormulaNode::Op op = n.op;
        if (side->kind == FormulaNode::Literal) {
            std::swap(side, literal);
            switch (op) {
            case FormulaNode::Lt: op = FormulaNode::Gt; break;
            case FormulaNode::Le: op = FormulaNode::Ge; break;
            case FormulaNode::Gt: op = FormulaNode::Lt; break;
            case FormulaNode::Ge: op = FormulaNode::Le; break;
            default: break;
            }
        }
        if (literal->kind != FormulaNode::Literal)
            return std::nullopt;
        const auto c = expression(*side);
        if (!c)
            return std::nullopt;
        static const char* ops[] = {"=", "<>", "<", "<=", ">", ">="};
        const QString sqlOp = QLatin1String(ops[op]);
        const Value& v = literal->literal;
        if (c->kind == SqlColumn::Text && v.kind == Value::Text)
            return marker(c->expression, sqlOp, vb::Variant(v.text), ado::adVarChar);
        if (c->kind != SqlColumn::Date)
            return std::nullopt;
        if (v.kind == Value::Text) {
            // read as the rows compare it; a text that is no date stays for the rows to refuse
            QDateTime when;
            if (!vb::ParseDate(vb::Trim(v.text), when))
                return std::nullopt;
            return marker(c->expression, sqlOp, vb::Variant(when), ado::adDBTimeStamp);
        }
        if (v.kind != Value::Date)
            return std::nullopt;
        if (!v.dayOnly)
            return marker(c->expression, sqlOp, vb::Variant(v.date), ado::adDBTimeStamp);
        // A Date(y,m,d) compares by the day: from its midnight to the next one.
        const vb::Variant day(vb::MakeDate(v.date.date()));
        const vb::Variant next(vb::MakeDate(v.date.date().addDays(1)));
        const QString& e = c->expression;
        switch (op) {
        case FormulaNode::Eq:
            return join(marker(e, QStringLiteral(">="), day, ado::adDBTimeStamp), QStringLiteral(" AND "),
                        marker(e, QStringLiteral("<"), next, ado::adDBTimeStamp));
        case FormulaNode::Ne:
            return join(marker(e, QStringLiteral("<"), day, ado::adDBTimeStamp), QStringLiteral(" OR "),
                        marker(e, QStringLiteral(">="), next, ado::adDBTimeStamp));
        case FormulaNode::Lt: return marker(e, QStringLiteral("<"), day, ado::adDBTimeStamp);
        case FormulaNode::Le: return marker(e, QStringLiteral("<"), next, ado::adDBTimeStamp);
        case FormulaNode::Gt: return marker(e, QStringLiteral(">="), next, ado::adDBTimeStamp);
        case FormulaNode::Ge: return marker(e, QStringLiteral(">="), day, ado::adDBTimeStamp);
        }
        return std::nullopt;
    }

    std::optional<SqlCondition> like(const FormulaNode& n) const
    {
        const auto c = expression(*n.left);
        if (!c || c->kind != SqlColumn::Text || n.right->kind != FormulaNode::Literal
            || n.right->literal.kind != Value::Text)
            return std::nullopt;
        // * and ? become % and _; the database's own wildcards are taken as themselves.
        // The rows are compared without their trailing blanks: the database pattern ends
        // open, and the rows read decide.
        QString pattern;
        for (const QChar ch : n.right->literal.text) {
            if (ch == QLatin1Char('*'))
                pattern += QLatin1Char('%');
            else if (ch == QLatin1Char('?'))
                pattern += QLatin1Char('_');
            else if (ch == QLatin1Char('%') || ch == QLatin1Char('_') || ch == QLatin1Char('[') || ch == QLatin1Char('\\'))
                pattern += QLatin1Char('\\') + QString(ch);
            else
                pattern += ch;
        }
        if (!pattern.endsWith(QLatin1Char('%')))
            pattern += QLatin1Char('%');
        return SqlCondition{c->expression + QStringLiteral(" LIKE ? ESCAPE '\\'"), {SqlValue{vb::Variant(pattern), ado::adVarChar}}};
    }

    const std::function<SqlColumn(const QString&)>& column_;
};

void collectFields(const FormulaNode* n, QStringList& out)
{
    if (!n)
        return;
    if (n->kind == FormulaNode::Field && !out.contains(n->name, Qt::CaseInsensitive))
        out << n->name;
    collectFields(n->left.get(), out);
    collectFields(n->right.get(), out);
}

void bindFields(FormulaNode* n, const std::function<int(const QString&)>& column)
{
    if (!n)
        return;
    if (n->kind == FormulaNode::Field) {
        n->column = column(n->name);
        if (n->column < 0)
            throw FormulaError{QStringLiteral("el reporte no tiene el campo %1").arg(n->name)};
    }
    bindFields(n->left.get(), column);
    bindFields(n->right.get(), column);
}

} // namespace

// ------------------------------------------------------------------ SelectionFormula

SelectionFormula::SelectionFormula() = default;
SelectionFormula::~SelectionFormula() = default;
SelectionFormula::SelectionFormula(SelectionFormula&&) noexcept = default;
SelectionFormula& SelectionFormula::operator=(SelectionFormula&&) noexcept = default;

SelectionFormula SelectionFormula::parse(const QString& text, const QString& table)
{
    SelectionFormula f;
    if (text.trimmed().isEmpty())
        return f;
    Reader reader(text, table);
    f.root_ = reader.formula();
    return f;
}

QStringList SelectionFormula::fields() const
{
    QStringList out;
    collectFields(root_.get(), out);
    return out;
}

void SelectionFormula::bind(const std::function<int(const QString&)>& column)
{
    bindFields(root_.get(), column);
}

bool SelectionFormula::matches(const std::function<vb::Variant(int)>& value) const
{
    return !root_ || root_->truth(value) == Truth::True;
}

SqlCondition SelectionFormula::databaseCondition(const std::function<SqlColumn(const QString& field)>& column) const
{
    if (!root_)
        return {};
    return SqlWriter(column).condition(*root_).value_or(SqlCondition{});
}

} // namespace report
