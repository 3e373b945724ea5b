// Small helpers for building the page's elements.

const svgNs = 'http://www.w3.org/2000/svg';

// el('p', {class: 'x'}, 'text', child...): attributes set as given, children appended.
export function el(tag, attributes = {}, ...children) {
    const node = document.createElement(tag);
    for (const [name, value] of Object.entries(attributes)) {
        if (value === false || value === undefined || value === null) continue;
        if (name.startsWith('on')) node.addEventListener(name.slice(2), value);
        else node.setAttribute(name, value === true ? '' : value);
    }
    node.append(...children.flat().filter(child => child !== null && child !== undefined));
    return node;
}

export function $(id) {
    return document.getElementById(id);
}

// A tile picture: the body, then the face (a face-down tile and the warning are whole).
export function tilePicture(picture, name) {
    const svg = document.createElementNS(svgNs, 'svg');
    svg.setAttribute('viewBox', '0 0 300 400');
    svg.setAttribute('class', 'tile-picture');
    if (name) {
        svg.setAttribute('role', 'img');
        svg.setAttribute('aria-label', name);
    } else {
        svg.setAttribute('aria-hidden', 'true');
    }
    const use = href => {
        const node = document.createElementNS(svgNs, 'use');
        node.setAttribute('href', href);
        svg.append(node);
    };
    if (picture === 0) {
        use('#back');
    } else {
        use('#body');
        use(picture === 35 ? '#warn' : `#t${picture}`);
    }
    return svg;
}
