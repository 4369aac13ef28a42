// Stands in for AdSense's adsbygoogle.js. Each push of the page's adsbygoogle queue fills
// the next ins element that is not filled yet, whether the push came before this script
// loaded or after. The ins already holds the ad's place at the ad's size, so the element
// itself becomes the ad, in one solid colour the checks look for.
(function () {
    function fillNext() {
        const ins = document.querySelector('ins.adsbygoogle:not([data-adsbygoogle-status])');
        if (!ins)
            return;
        ins.setAttribute('data-adsbygoogle-status', 'done');
        ins.style.backgroundColor = '#ff00ff';
    }
    const queued = window.adsbygoogle || [];
    for (let i = 0; i < queued.length; i++)
        fillNext();
    window.adsbygoogle = {push: fillNext};
})();
