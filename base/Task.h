#pragma once

#include <coroutine>
#include <exception>
#include <functional>
#include <optional>
#include <utility>

// A step of the game that may wait: a C++20 coroutine that runs once it is awaited (or started),
// and, when it has ended, goes on with its awaiter, which gets its value or the exception that
// ended it. A task destroyed while it waits ends there: its frame goes, and with it the wait it
// was in (the timer, the box, the sound), so nothing after that wait runs. Coroutines take their
// arguments by value, as a task may outlive the caller's temporaries.
template <typename T = void>
class Task;

namespace TaskDetail {

struct PromiseBase
{
    std::coroutine_handle<> awaiter;
    std::function<void()> whenEnded; // a started task's
    std::exception_ptr error;

    struct FinalStep
    {
        bool await_ready() noexcept { return false; }
        template <typename Promise>
        std::coroutine_handle<> await_suspend(std::coroutine_handle<Promise> self) noexcept
        {
            PromiseBase &promise = self.promise();
            if (promise.awaiter)
                return promise.awaiter;
            // Called from here, not from the frame, which whenEnded may destroy.
            if (const std::function<void()> ended = std::move(promise.whenEnded))
                ended();
            return std::noop_coroutine();
        }
        void await_resume() noexcept {}
    };

    std::suspend_always initial_suspend() noexcept { return {}; }
    FinalStep final_suspend() noexcept { return {}; }
    void unhandled_exception() { error = std::current_exception(); }
    void rethrowError() const
    {
        if (error)
            std::rethrow_exception(error);
    }
};

template <typename T>
struct Promise : PromiseBase
{
    std::optional<T> value;
    void return_value(T result) { value = std::move(result); }
    T take()
    {
        rethrowError();
        return std::move(*value);
    }
};

template <>
struct Promise<void> : PromiseBase
{
    void return_void() {}
    void take() { rethrowError(); }
};

} // namespace TaskDetail

template <typename T>
class [[nodiscard]] Task
{
public:
    struct promise_type : TaskDetail::Promise<T>
    {
        Task get_return_object()
        {
            return Task(std::coroutine_handle<promise_type>::from_promise(*this));
        }
    };

    Task() = default;
    Task(Task &&other) noexcept : m_handle(std::exchange(other.m_handle, {})) {}
    Task &operator=(Task &&other) noexcept
    {
        if (this != &other) {
            destroy();
            m_handle = std::exchange(other.m_handle, {});
        }
        return *this;
    }
    Task(const Task &) = delete;
    Task &operator=(const Task &) = delete;
    ~Task() { destroy(); }

    // Runs it, for a caller that is no coroutine, until it first waits or ends; whenEnded is
    // called once it has ended (from inside its last step: it may destroy the task).
    void start(std::function<void()> whenEnded = {})
    {
        m_handle.promise().whenEnded = std::move(whenEnded);
        m_handle.resume();
    }
    // Whether it has ended, or there is none.
    bool hasEnded() const { return !m_handle || m_handle.done(); }
    // An ended task's value; the exception that ended it is thrown again.
    T result() { return m_handle.promise().take(); }

    auto operator co_await() &&
    {
        struct Awaiter
        {
            std::coroutine_handle<promise_type> task;
            bool await_ready() const noexcept { return false; }
            std::coroutine_handle<> await_suspend(std::coroutine_handle<> awaiter) noexcept
            {
                task.promise().awaiter = awaiter;
                return task;
            }
            T await_resume() { return task.promise().take(); }
        };
        return Awaiter{m_handle};
    }

private:
    explicit Task(std::coroutine_handle<promise_type> handle) : m_handle(handle) {}
    void destroy()
    {
        if (m_handle)
            std::exchange(m_handle, {}).destroy();
    }

    std::coroutine_handle<promise_type> m_handle;
};
