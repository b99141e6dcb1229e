#pragma once

// Where an unexpected error of a handler is stopped.
//
// Every handler of the program runs because Qt delivers an event: a key, a click, a change of
// focus, a timer, a window being closed; signals such as clicked and toggled are emitted while
// such an event is delivered. Qt does not let an exception pass through its own code, so each
// handler of ours is run at the place where Qt calls it through afgeschermd(): a slot connected with
// verbinden(), an event handler or filter of a window, a callback of the event shim. An error that
// no handler dealt with itself stops there: the action ends, what it left half-done is put right,
// the user is told what failed and why, and the program goes on with the next event. The
// application object notes which event it is delivering, so that the report can say what the user
// was doing.

#include <QApplication>
#include <QMetaObject>

#include <exception>
#include <functional>
#include <tuple>
#include <type_traits>
#include <utility>

class QEvent;

namespace ui {

/** The application object of the program (and of the tests that drive its windows). */
class Toepassing : public QApplication
{
public:
    Toepassing(int& argc, char** argv);

    /**
     * Delivers the event and notes it while it is delivered (see afgeschermd()). An exception that
     * still reaches this point came from a handler that was not run through afgeschermd(): it is
     * reported all the same, and counted (foutenDoorQt()).
     *
     * Alt with a letter, digit or sign (without Ctrl) types nothing into a text box: the box gets the
     * key without its character, after the mnemonics and shortcuts had their turn. Ctrl+Alt (AltGr
     * on some systems) types as before.
     */
    bool notify(QObject* ontvanger, QEvent* event) override;
};

/** How many exceptions passed through Qt's event delivery since the start: a handler left unguarded. */
int foutenDoorQt();

/**
 * Reports an exception that stopped a handler run by afgeschermd(): the action is described by the
 * event that was being delivered (see actieOmschrijving()), then actieMislukt() runs. Throws nothing.
 */
void handlerMislukt(std::exception_ptr fout) noexcept;

/**
 * Runs a handler of ours at the place where Qt calls it (a slot, an event handler or filter, a
 * callback of the event shim): an exception that leaves it is stopped here and reported by
 * handlerMislukt(); nothing passes on into Qt.
 * @return true when the handler ran to its end
 */
template <typename Handler>
bool afgeschermd(Handler&& handler) noexcept
{
    try {
        std::forward<Handler>(handler)();
        return true;
    } catch (...) {
        handlerMislukt(std::current_exception());
        return false;
    }
}

/**
 * As afgeschermd(), for a handler that answers (an event filter, an event handler that says
 * whether it took the event).
 * @return the handler's answer, or bijFout when it failed
 */
template <typename Antwoord, typename Handler>
Antwoord afgeschermd(Antwoord bijFout, Handler&& handler) noexcept
{
    try {
        return std::forward<Handler>(handler)();
    } catch (...) {
        handlerMislukt(std::current_exception());
        return bijFout;
    }
}

namespace detail {

template <typename Signaal>
struct SignaalArgumenten;
template <typename Klasse, typename... Argumenten>
struct SignaalArgumenten<void (Klasse::*)(Argumenten...)>
{
    using Tuple = std::tuple<Argumenten...>;
};

// A member function of an object, callable as a plain function.
template <typename Object, typename Lid>
struct LidAanroep
{
    Object* object;
    Lid lid;
    template <typename... A>
    auto operator()(A&&... a) const -> decltype(std::invoke(lid, object, std::forward<A>(a)...))
    {
        return std::invoke(lid, object, std::forward<A>(a)...);
    }
};

// Calls the handler with as many of the signal's first arguments as it takes, as Qt does.
template <std::size_t N, typename Handler, typename Tuple>
void aanroepen(Handler& handler, Tuple& argumenten)
{
    if constexpr ([]<std::size_t... I>(std::index_sequence<I...>) {
                      return std::is_invocable_v<Handler&, std::tuple_element_t<I, Tuple>...>;
                  }(std::make_index_sequence<N>{})) {
        [&]<std::size_t... I>(std::index_sequence<I...>) {
            std::invoke(handler, std::get<I>(argumenten)...);
        }(std::make_index_sequence<N>{});
    } else {
        static_assert(N > 0, "the handler does not fit the signal");
        if constexpr (N > 0)
            aanroepen<N - 1>(handler, argumenten);
    }
}

template <typename Handler, typename Tuple>
struct Afgeschermd;
template <typename Handler, typename... Argumenten>
struct Afgeschermd<Handler, std::tuple<Argumenten...>>
{
    Handler handler;
    void operator()(Argumenten... a)
    {
        afgeschermd([&] {
            std::tuple<Argumenten&...> argumenten(a...);
            aanroepen<sizeof...(Argumenten)>(handler, argumenten);
        });
    }
};

} // namespace detail

/**
 * Connects a signal to a handler of ours as QObject::connect does (a member function of the
 * context object, or a function object), the handler run through afgeschermd().
 */
template <typename Zender, typename Signaal, typename Context, typename Handler>
QMetaObject::Connection verbinden(Zender* zender, Signaal signaal, Context* context, Handler handler)
{
    using Tuple = typename detail::SignaalArgumenten<Signaal>::Tuple;
    if constexpr (std::is_member_function_pointer_v<Handler>) {
        using Aanroep = detail::LidAanroep<Context, Handler>;
        return QObject::connect(zender, signaal, context,
                                detail::Afgeschermd<Aanroep, Tuple>{Aanroep{context, handler}});
    } else {
        return QObject::connect(zender, signaal, context, detail::Afgeschermd<Handler, Tuple>{std::move(handler)});
    }
}

/**
 * What the user was doing when an event's handlers failed, in Dutch and starting with a capital,
 * for example: Het verlaten van het vak "set 1 uit, wedstrijd 3" in het venster "Wedstrijdblad".
 * A control is named by its accessible name, else by its caption.
 */
QString actieOmschrijving(QObject* ontvanger, const QEvent* event);

/** The cause of a failure in words: the text of the exception, or that it is unknown. */
QString foutOorzaak(std::exception_ptr fout);

/**
 * Sets what is put right after an action stopped on an unexpected error, before the user is told:
 * pending values given up, windows showing what is stored, the main window enabled again. The
 * program's wiring sets it once.
 */
void zetHerstel(std::function<void()> herstel);

/**
 * Finishes an action that stopped on an unexpected error: runs the clean-up set by zetHerstel(),
 * takes back the hourglass pointer, and reports the action and the cause in a critical box.
 * Nothing of this throws.
 */
void actieMislukt(const QString& actie, std::exception_ptr fout);

} // namespace ui
